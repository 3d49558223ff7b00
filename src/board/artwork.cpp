#include "board/artwork.h"
static QImage f(int w,int h){QImage i(w,h,QImage::Format_RGB32);i.fill(Qt::white);return i;}
QImage DrawBoardTemplate(){return f(2180,2180);}
QImage DrawBlankDeedSheet(){return f(1476,1176);}
QImage DrawBoardOverview(){return f(400,400);}
QImage DrawStationStrip(){return f(160,4050);}
QImage DrawPlaceholder(){QImage i=f(180,280);i.fill(QColor(225,239,217));return i;}
