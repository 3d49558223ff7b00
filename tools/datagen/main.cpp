#include "board/artwork.h"
#include <QGuiApplication>
#include <QDir>
int main(int c,char**v){QGuiApplication a(c,v);QDir().mkpath(v[1]);DrawBoardTemplate().save(QString(v[1])+"/Data-1.vgx","PNG");DrawBlankDeedSheet().save(QString(v[1])+"/Data-2.vgx","PNG");DrawBoardOverview().save(QString(v[1])+"/Data-3.vgx","PNG");DrawStationStrip().save(QString(v[1])+"/Data-4.vgx","PNG");}
