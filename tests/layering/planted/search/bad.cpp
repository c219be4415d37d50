// planted: Qt and app/ in a subsystem core file
#include <QString>
#include "app/app_state.h"
#include "catalogue/catalogue.h"
#include "framework/model/menu_table.h"
