// fine
#include <QMainWindow>
#include "framework/ko_window.h"
#include "app/dispatcher.h"
