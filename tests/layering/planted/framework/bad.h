// planted: the toolkit including the program
#include <QWidget>
#include "app/menus.h"
#include "settings/settings_record.h"
#include "base/text_page.h"
