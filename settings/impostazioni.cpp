#include "settings/impostazioni.h"

#include "board/traduci.h"
#include "settings/store.h"
#include "ui/convert.h"

#include <QDir>
#include <QFile>

using namespace ui;

namespace {
const QColor windowBack(255, 224, 192);
const QColor controlBack(255, 192, 128);
} // namespace

Impostazioni::Impostazioni(Traduci *main)
    : Form(QStringLiteral("Impostazioni"), Border::FixedSingle, 6915, 4710), main_(main) {
    setCaption(QStringLiteral("LessiCorsa! Novus ludus"));
    setBackColor(windowBack);
    setForeColor(QColor(255, 0, 0));
    setKeyPreview(true);
    createControls();
    Form_Load();
}

Impostazioni::~Impostazioni() = default;

void Impostazioni::createControls() {
    QWidget *w = client();
    Frame1 = new Frame(w, QStringLiteral("Frame1"));
    Frame1->setRect(120, 0, 1815, 3075);
    Frame1->setBackColor(windowBack);
    suoni = new CheckBox(Frame1, QStringLiteral("suoni"));
    suoni->setRect(90, 210, 760, 210);
    suoni->setCaption(QStringLiteral("&Sonus"));
    musica = new CheckBox(Frame1, QStringLiteral("musica"));
    musica->setRect(930, 210, 810, 210);
    musica->setCaption(QStringLiteral("&Musica"));
    Frame4 = new Frame(w, QStringLiteral("Frame4"));
    Frame4->setRect(5520, 1320, 1335, 1110);
    Frame4->setCaption(QStringLiteral("Verto in...."));
    Lingue = new ListBox(Frame4, QStringLiteral("Lingue"));
    Lingue->setRect(60, 210, 1200, 840);
    for (int k = 1; k <= 6; ++k) {
        auto *f = new PictureBox(w, QStringLiteral("foto"), k);
        f->setRect(0, 5685, 1050, 1050);
        f->setPicture(Picture::load(QStringLiteral("foto%1").arg(k), QSize(70, 70)));
        f->hide();
        foto.add(k, f);
    }
}

void Impostazioni::Form_Load() {
    if (main_->tag().isEmpty()) {
        SettingsStore store;
        suoni->setValue(store.checkState(QStringLiteral("Suoni")));
        musica->setValue(store.checkState(QStringLiteral("Musica")));
        Lingue->setTag(plainForm(store.number(QStringLiteral("Lingua"), 0)));
    }
    // The language names: the fields from the fourth on of the first line of
    // the standard vocabulary, up to its first comma.
    QFile f(QStringLiteral("vocabula.txt"));
    if (f.open(QIODevice::ReadOnly)) {
        QByteArray first = f.readLine();
        while (first.endsWith('\n') || first.endsWith('\r'))
            first.chop(1);
        const int cut = first.indexOf('\r');
        if (cut >= 0) first.truncate(cut);
        QString heading = QString::fromLatin1(first);
        const int comma = heading.indexOf(QLatin1Char(','));
        if (comma >= 0) heading.truncate(comma);
        const QStringList fields = heading.split(QLatin1Char(';'));
        for (int i = 3; i < fields.size(); ++i)
            Lingue->addItem(fields.at(i));
    }
    const int stored = static_cast<int>(val(Lingue->tag()));
    Lingue->setListIndex(stored >= 0 && stored < Lingue->listCount() ? stored
                                                                     : (Lingue->listCount() ? 0 : -1));
}
