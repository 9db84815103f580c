#include "auxilium/frmauxilium.h"

#include "settings/palette.h"
#include "ui/button.h"
#include "ui/convert.h"
#include "ui/label.h"
#include "ui/picture.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace ui;
using namespace palette;

namespace {
// The widest a picture is shown, in pixels at scale 1: the text's column.
constexpr int pictureWidth = 520;
// Where the search field, the contents and the text stand, in twips.
constexpr QRectF quaereRect(1035, 120, 2565, 330), indexRect(120, 570, 3480, 7095),
    liberRect(3720, 120, 8160, 8160);
} // namespace

frmAuxilium::frmAuxilium(const QString &path)
    : Form(QStringLiteral("frmAuxilium"), Border::FixedDialog, 12000, 8400) {
    palette::dressWindow(*this, QStringLiteral("LessiCorsa! Auxilium"));
    QWidget *w = client();

    QPalette p;
    p.setColor(QPalette::Base, controlBack);
    p.setColor(QPalette::Window, controlBack);
    p.setColor(QPalette::Text, QColor(0, 0, 0));
    p.setColor(QPalette::Highlight, red);
    p.setColor(QPalette::HighlightedText, white);

    quaereLabel = new Label(w, QStringLiteral("quaereLabel"));
    quaereLabel->setRect(120, 150, 900, 255);
    quaereLabel->setFontSpec(arial, 9.75, true);
    quaereLabel->setBackStyle(0);
    quaereLabel->setCaption(QStringLiteral("Quaere:"));
    quaere = new QLineEdit(w);
    quaere->setObjectName(QStringLiteral("quaere"));
    quaere->setPalette(p);
    quaere->setToolTip(tr("Scrivere una parola e premere Invio per trovarla nel manuale"));
    connect(quaere, &QLineEdit::returnPressed, this, [this] { quaere_Enter(); });

    index = new QListWidget(w);
    index->setObjectName(QStringLiteral("index"));
    index->setPalette(p);
    index->setFrameShape(QFrame::Box);
    index->setWordWrap(true);
    index->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    index->setToolTip(tr("Indice: un clic porta al capitolo"));
    connect(index, &QListWidget::currentRowChanged, this, &frmAuxilium::index_Click);

    liber = new QTextBrowser(w);
    liber->setObjectName(QStringLiteral("liber"));
    liber->setPalette(p);
    liber->setFrameShape(QFrame::Box);
    liber->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liber->setOpenExternalLinks(true);

    Exit = new CommandButton(w, QStringLiteral("Exit"));
    Exit->setRect(120, 7785, 3480, 495);
    Exit->setFontSpec(arial, 9.75, true);
    Exit->setBackColor(controlBack);
    Exit->setCaption(QStringLiteral("&Exit (Esc)"));
    connect(Exit, &Control::Click, this, &frmAuxilium::Exit_Click);
    setCancelButton(Exit);

    place();
    if (!QFileInfo(path).isReadable()) return;
    liber->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()),
                     QTextDocument::MarkdownResource);
    loaded_ = !liber->document()->isEmpty();
    if (!loaded_) return;
    fitPictures();
    fillIndex();
}

// The search field, the contents and the text are Qt's own widgets: they are
// placed and their text sized at the view's scale here, as the controls place
// themselves.
void frmAuxilium::place() {
    const double zoom = viewScale();
    const auto at = [zoom](const QRectF &twips) {
        const QRectF r(twips.topLeft() * zoom / twipsPerPixel, twips.size() * zoom / twipsPerPixel);
        return r.toRect();
    };
    quaere->setGeometry(at(quaereRect));
    index->setGeometry(at(indexRect));
    liber->setGeometry(at(liberRect));
    QFont text(QStringLiteral("DejaVu Sans"));
    text.setPointSizeF(9.5);
    liber->document()->setDefaultFont(scaledFont(text, zoom));
    if (placedAt_ != zoom && loaded_) fitPictures();
    placedAt_ = zoom;
}

void frmAuxilium::activate() {
    if (placedAt_ != viewScale()) place();
}

frmAuxilium::~frmAuxilium() {
    releaseControls();
}

QList<std::pair<QString, bool>> frmAuxilium::pictures() const {
    QList<std::pair<QString, bool>> out;
    const QUrl base = liber->source();
    for (QTextBlock b = liber->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat cf = it.fragment().charFormat();
            if (!cf.isImageFormat()) continue;
            const QString file = base.resolved(QUrl(cf.toImageFormat().name())).toLocalFile();
            out.append({file, QImageReader(file).canRead()});
        }
    return out;
}

// Screenshots are as large as the screens they were taken on: each is shown
// at most as wide as the text, keeping its proportions.
void frmAuxilium::fitPictures() {
    const QUrl base = liber->source();
    QTextCursor c(liber->document());
    for (QTextBlock b = liber->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            QTextImageFormat img = frag.charFormat().toImageFormat();
            if (!img.isValid()) continue;
            const QSize size = QImageReader(base.resolved(QUrl(img.name())).toLocalFile()).size();
            if (!size.isValid()) continue;
            const int width = int(std::min(double(size.width()), pictureWidth * viewScale()));
            img.setWidth(width);
            img.setHeight(double(size.height()) * width / size.width());
            c.setPosition(frag.position());
            c.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(img);
        }
}

void frmAuxilium::fillIndex() {
    for (QTextBlock b = liber->document()->begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level < 1 || level > 3) continue;
        auto *item = new QListWidgetItem(QString(2 * (level - 1), QLatin1Char(' ')) + b.text(), index);
        if (level == 1) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        headingPositions_.append(b.position());
    }
}

QStringList frmAuxilium::headings() const {
    QStringList out;
    for (int r = 0; r < index->count(); ++r)
        out.append(index->item(r)->text().trimmed());
    return out;
}

void frmAuxilium::index_Click(int row) {
    if (row < 0 || row >= headingPositions_.size()) return;
    const QTextBlock b = liber->document()->findBlock(headingPositions_[row]);
    QTextCursor c(b);
    liber->setTextCursor(c);
    const QRectF r = liber->document()->documentLayout()->blockBoundingRect(b);
    liber->verticalScrollBar()->setValue(int(r.top()));
}

bool frmAuxilium::quaere_Enter() {
    const QString text = quaere->text().trimmed();
    if (text.isEmpty()) return false;
    bool found = liber->find(text);
    if (!found) { // from the top again
        liber->moveCursor(QTextCursor::Start);
        found = liber->find(text);
    }
    QPalette p = quaere->palette();
    p.setColor(QPalette::Base, found ? controlBack : QColor(255, 128, 128));
    quaere->setPalette(p);
    return found;
}

void frmAuxilium::Exit_Click() {
    close();
}
