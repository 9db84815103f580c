#pragma once
// The manual for teachers, "Auxilium" in the help menu "?".
//
// The manual is a Markdown file a language (it.md, en.md, de.md, fr.md,
// es.md) in the manual folder, with the screenshots in the folder beside it;
// it opens in the interface language, Italian when that one is missing. A
// manual that cannot be found gives one message and nothing else.

#include "board/gameevents.h"

#include <QObject>

namespace ui {
class MenuItem;
}

class Auxilium : public QObject, public game::Listener {
    Q_OBJECT
  public:
    Auxilium(game::Door &door, QObject *parent);

    // The folder holding the manual: beside the program in a build
    // (docs/manual), in the documents of an installed game
    // (share/doc/lessicorsa/manual). A test may name its own.
    static QString folder();
    static void setFolder(const QString &folder);
    // The manual's file for `language` ("it", "en", ...), or empty when
    // neither that language's nor the Italian one is there.
    static QString file(const QString &language);

    ui::MenuItem *AuxiliumItem = nullptr;
    void Auxilium_Click();

  private:
    game::Door &door_;
};
