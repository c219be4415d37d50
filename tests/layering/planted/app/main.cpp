// fine: the program entry and the window may use Qt
#include <QApplication>
