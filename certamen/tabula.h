#pragma once
// Tabula, the tournament's table window. It stands over the board, at the
// board's place and zoom (or covering the screen when the board does):
// - between matches, the bracket or the league's table, the match just played
//   and the next pair in large letters; Enter or Space starts their match,
//   keys 1 and 0 change the character of a pupil who has not played yet, A
//   gives the match to one pupil, the other being absent, I plays a match
//   again, Esc closes;
// - while a game is being played, the same to look at: any key closes;
// - at the end, the champion, the standings and every result, with Exporta
//   (CSV) and Imprime (a printer or a PDF).

#include "ui/form.h"

class Certamen;
class Hosted;
class Pictura;
class QTableView;
class QAbstractTableModel;

class Tabula : public ui::Form {
    Q_OBJECT
  public:
    enum class Mode { Next, View, End };
    Tabula(Certamen &certamen, Mode mode);
    ~Tabula() override;

    Mode mode() const { return mode_; }
    void setMode(Mode mode);
    // Shows the window over the board and gives it the keyboard.
    void present();
    // Paints the table again, the tournament having changed.
    void refresh();
    // The prompt and the hint under it in the panel between matches: the
    // Latin, and a second line in the interface's language.
    QString prompt() const;
    QString hint() const;
    // The matches left and the time they take, in Latin and in the
    // interface's language.
    QString left() const;

    Pictura *pictura = nullptr;
    // Turns the pages of what does not fit at once: the round being played,
    // the bracket.
    ui::Timer *Pagina = nullptr;
    Hosted *eventus = nullptr; // the results, at the end
    ui::CommandButton *Exporta = nullptr, *Imprime = nullptr, *Iterum = nullptr, *Exit = nullptr;

    void Exporta_Click();
    void Imprime_Click();
    // The results as the window's list shows them, row by row, for checks.
    QAbstractTableModel *results() const { return model_; }

  protected:
    void keyPress(int &keyAscii, const QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void paint(QPainter &p, const QRectF &r);
    void follow();

    Certamen &certamen_;
    Mode mode_;
    int page_ = 0; // the pages turned since the table came up
    QAbstractTableModel *model_ = nullptr;
};
