// fine: Qt, the toolkit and its own core in a ui/ file
#include <QDialog>
#include "framework/tkodialog.h"
#include "search/search_state.h"
