#pragma once
// A teacher's own word lists: the menu "Repertorium" on the board.
//
// "Aperi" chooses a list (any vocabulary file) as the personal vocabulary, so
// that ticking "Repertorio meo utor" in the settings window plays it;
// "Recentia" offers the last five; "Novum" and "Muta" open the list window on
// a new list or on the current one; "Importa" makes a new list from a KVTML,
// CSV or Anki file after a preview; "Exporta" writes the current list as CSV
// or KVTML; "Imprime" prints it, or a test sheet of it.
//
// The chosen list and the recent ones are remembered per user in the settings
// store, in a section of their own. The board learns only which file to play.

#include "board/gameevents.h"

#include <QObject>
#include <QStringList>

namespace ui {
class MenuItem;
}
class QMenu;

class Lists : public QObject, public game::Listener {
    Q_OBJECT
  public:
    static constexpr int recentCount = 5;

    // Adds the menu "Repertorium" and hands the remembered list to the board.
    Lists(game::Door &door, QObject *parent);

    // The personal vocabulary: "vocpers.txt" or a list's whole path.
    QString current() const { return current_; }
    QStringList recent() const { return recent_; }
    // Makes `path` the personal vocabulary, first of the recent lists, and
    // remembers both.
    void choose(const QString &path);

    // ---- menu handlers
    void Aperi_Click();
    void Recens_Click(int k);
    void Novum_Click();
    void Muta_Click();
    void Importa_Click();
    void Exporta_Click();
    void Imprime_Click();

    // Imports the file at `path` through the preview; the new list's path, or
    // empty when nothing was made.
    QString importFile(const QString &path);

  private:
    // Opens the list window on `path` (a new list when empty).
    void edit(const QString &path);
    // The current list's file, after the designed warning and the fall back
    // to vocpers.txt when a chosen list has gone missing; empty when none.
    QString currentFile();
    void remember();
    void fillRecent();
    QString folder() const;

    game::Door &door_;
    QMenu *Recentia = nullptr;
    QString current_ = QStringLiteral("vocpers.txt");
    QStringList recent_;
};
