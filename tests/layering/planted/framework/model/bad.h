// planted: Qt in the toolkit models
#include <QObject>
#include "framework/ko_window.h"
