// planted: a ui/ file from a subsystem ui reaching into app/
#include "app/ui/tfzgwwindow.h"
