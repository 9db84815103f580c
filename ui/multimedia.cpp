// PLACEHOLDER (silent device) until the SDL2_mixer device replaces this file.
#include "ui/multimedia.h"
namespace ui {
MultimediaDevice::MultimediaDevice(const QString &name, const QString &file, QObject *parent)
    : QObject(parent), file_(file) {
    setObjectName(name);
}
} // namespace ui
