  #  include <QtCore/QList>
