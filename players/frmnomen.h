#pragma once
// frmNomen, the window that asks for a player's name (a new player's, or a
// new name for one): O.K. takes it when the roster accepts it, else an
// Italian message says why and the window stays; Exit (Esc) gives none.

#include "ui/form.h"

#include <functional>

class QLineEdit;

class frmNomen : public ui::Form {
    Q_OBJECT
  public:
    // `problem` tells what is wrong with a name (empty when nothing is).
    frmNomen(const QString &caption, const QString &name, std::function<QString(const QString &)> problem);
    ~frmNomen() override;

    QLineEdit *nomen = nullptr;
    ui::CommandButton *okay = nullptr, *Exit = nullptr;
    // The name given with O.K.; empty when the window was left otherwise.
    QString given() const { return given_; }

    void okay_Click();

  private:
    std::function<QString(const QString &)> problem_;
    QString given_;
};
