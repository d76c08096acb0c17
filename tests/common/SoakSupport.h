#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <string>

// Operations per board in a soak run; `make soak` raises it through QUORVEL_SOAK_OPS.
inline int SoakOperations() {
    bool ok = false;
    const int ops = qEnvironmentVariableIntValue("QUORVEL_SOAK_OPS", &ok);
    return ok && ops > 0 ? ops : 20000;
}

// Where a picture drawn step by step first differs from a full repaint of the same
// state, in words; empty when the two agree.
inline std::string PictureDifference(const QImage& drawn, const QImage& painted) {
    if (drawn == painted) return {};
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (drawn.pixel(x, y) != painted.pixel(x, y))
                return "the drawing differs from a full repaint at pixel (" + std::to_string(x) +
                       "," + std::to_string(y) +
                       "): " + QString::number(drawn.pixel(x, y), 16).toStdString() + " for " +
                       QString::number(painted.pixel(x, y), 16).toStdString();
    return "the drawing differs from a full repaint";
}
