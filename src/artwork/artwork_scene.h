#pragma once
// What the station pictures are made of: the scene of one picture (time of day, train,
// landscape, station building) and the trains that stand in it.

#include "model/boardrules.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtGlobal>
#include <vector>

class QPainter;

namespace stationart {

enum class TimeOfDay { Dawn, Day, Golden, Sunset, Night, Winter };
enum class TrainKind { Steam, Diesel, Electric, HighSpeed, DoubleDecker };
enum class Landscape { Hills, City, Coast, Polder, Forest, Mountains };
enum class StationKind { Brick, Canopy, Halt, Glass };

struct Livery {
    QColor body, accent, trim;
};

struct Scene {
    int index = 0;
    TimeOfDay time = TimeOfDay::Day;
    TrainKind train = TrainKind::Steam;
    Landscape landscape = Landscape::Hills;
    StationKind station = StationKind::Brick;
    bool facingLeft = false;
    bool stationLeft = true;
    Livery livery;
    QString name;
    QPointF signAt;  // the centre of the station's name board
    // Windows and lamps in picture coordinates; they light up after dark.
    std::vector<QRectF> windows;
    std::vector<QPointF> lamps;
};

constexpr qreal Width = StationWidth;
constexpr qreal Height = StationHeight;
constexpr qreal Horizon = 84;
constexpr qreal RailY = 121;  // the top of the rail; the trains stand on it
constexpr qreal WireY = 56;   // the overhead wire of the electric trains

// A small, repeatable source of variety: the same picture always comes out the same.
class Dice {
public:
    explicit Dice(int seed) : state_(0x9E3779B9u * quint32(seed + 1)) {}
    qreal Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / qreal(1 << 24);
    }
    qreal Between(qreal low, qreal high) { return low + (high - low) * Next(); }

private:
    quint32 state_;
};

// The colour of the ground in scene `s`, and its landscape from the horizon down.
QColor GroundColour(const Scene &s);
void DrawLandscape(QPainter &p, const Scene &s);

// The train of scene `s` on its track; its windows are noted in the scene.
void DrawTrain(QPainter &p, Scene &s);

}  // namespace stationart
