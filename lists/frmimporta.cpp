#include "lists/frmimporta.h"

#include "lists/style.h"
#include "lists/wordlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

using namespace lists;

namespace {

const QString noLesson = QStringLiteral("(sine lectione)");
const int tableRowRole = Qt::UserRole + 1;

// The class of a previewed word, chosen by its name.
class ClassBox : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override {
        auto *box = new QComboBox(parent);
        box->addItems(classNames());
        return box;
    }
    void setEditorData(QWidget *e, const QModelIndex &i) const override {
        static_cast<QComboBox *>(e)->setCurrentIndex(std::max(0, classOf(i.data().toString()) - 1));
    }
    void setModelData(QWidget *e, QAbstractItemModel *m, const QModelIndex &i) const override {
        m->setData(i, className(static_cast<QComboBox *>(e)->currentIndex() + 1));
    }
};

} // namespace

frmImporta::frmImporta(const QString &name, const QByteArray &bytes, QWidget *parent)
    : QDialog(parent), name_(name), bytes_(bytes), format_(formatOf(bytes)) {
    setObjectName(QStringLiteral("frmImporta"));
    setWindowTitle(QStringLiteral("LessiCorsa! Importa"));
    style::apply(this, 760, 560);
    result_ = readAs(format_, bytes_);

    auto *file = new QLabel(this);
    const char *formats[] = {"KVTML", "CSV", "Anki"};
    QString about = tr("%1 (%2)").arg(name_, QString::fromLatin1(formats[static_cast<int>(format_)]));
    if (!result_.table.title.isEmpty()) about += QStringLiteral(": ") + result_.table.title;
    if (!result_.table.author.isEmpty()) about += QStringLiteral(", ") + result_.table.author;
    file->setText(about);

    separator = new QComboBox(this);
    separator->addItem(QStringLiteral("Comma (,)"), QChar(','));
    separator->addItem(QStringLiteral("Semicolon (;)"), QChar(';'));
    separator->addItem(QStringLiteral("Tabulator (Tab)"), QChar('\t'));
    separator->setToolTip(tr("Il carattere che separa i campi del file CSV"));
    heading = new QCheckBox(QStringLiteral("&Prima linea: nomina columnarum"), this);
    heading->setToolTip(tr("La prima riga del file dà i nomi delle colonne"));
    // The separator and the heading row are a CSV file's alone.
    auto *csvRow = new QWidget(this);
    auto *csv = new QHBoxLayout(csvRow);
    csv->setContentsMargins(0, 0, 0, 0);
    csv->addWidget(new QLabel(QStringLiteral("Separator:"), csvRow));
    separator->setParent(csvRow);
    heading->setParent(csvRow);
    csv->addWidget(separator);
    csv->addWidget(heading);
    csv->addStretch(1);
    csvRow->setVisible(format_ == Format::Csv);

    inactiva = new QCheckBox(QStringLiteral("Etiam vocabula inacti&va"), this);
    inactiva->setObjectName(QStringLiteral("inactiva"));
    inactiva->setVisible(false);

    roleBox_ = new QGroupBox(QStringLiteral("Columnae"), this);
    roleGrid_ = new QGridLayout(roleBox_);
    roleGrid_->setAlignment(Qt::AlignTop);
    lessons = new QListWidget(this);
    lessons->setObjectName(QStringLiteral("lessons"));
    lessons->setMaximumHeight(style::scaled(110));
    auto *lessonBox = new QGroupBox(QStringLiteral("Lectiones"), this);
    (new QVBoxLayout(lessonBox))->addWidget(lessons);
    lessonBox->setToolTip(tr("Le lezioni (o i mazzi di Anki) da importare"));

    rows = new QStandardItemModel(this);
    preview = new QTableView(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setModel(rows);
    preview->verticalHeader()->hide();
    preview->verticalHeader()->setDefaultSectionSize(preview->fontMetrics().height() + 6);
    preview->setItemDelegateForColumn(2, new ClassBox(preview));
    preview->horizontalHeader()->setStretchLastSection(true);
    preview->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    warnings = new QPlainTextEdit(this);
    warnings->setReadOnly(true);
    warnings->setMaximumHeight(style::scaled(70));
    summa = new QLabel(this);
    Importa = style::button(this, QStringLiteral("&Importa"));
    Exit = style::button(this, QStringLiteral("&Exit (Esc)"));
    Importa->setDefault(true);
    connect(Importa, &QPushButton::clicked, this, &QDialog::accept);
    connect(Exit, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(roleBox_, 3);
    top->addWidget(lessonBox, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(summa, 1);
    buttons->addWidget(Importa);
    buttons->addWidget(Exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(csvRow);
    layout->addWidget(inactiva);
    layout->addLayout(top);
    layout->addWidget(preview, 1);
    layout->addWidget(warnings);
    layout->addLayout(buttons);

    connect(lessons, &QListWidget::itemChanged, this, &frmImporta::fillPreview);
    connect(inactiva, &QCheckBox::toggled, this, &frmImporta::fillPreview);
    connect(rows, &QStandardItemModel::itemChanged, this, [this](QStandardItem *item) {
        if (filling_ || !item->data(tableRowRole).isValid()) return;
        classes_[item->data(tableRowRole).toInt()] = classOf(item->text());
    });
    connect(separator, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) reread();
    });
    connect(heading, &QCheckBox::toggled, this, [this] {
        if (!filling_) reread();
    });
    if (!result_.ok()) return;
    // The separator and heading the reader found.
    if (format_ == Format::Csv) {
        filling_ = true;
        separator->setCurrentIndex(std::max(0, separator->findData(result_.table.separator)));
        heading->setChecked(result_.table.heading);
        filling_ = false;
    }
    fillRoles();
}

void frmImporta::reread() {
    result_ = readAs(format_, bytes_, separator->currentData().toChar(), heading->isChecked() ? 1 : 0);
    classes_.clear();
    if (!result_.ok()) {
        warnings->setPlainText(tr("Riga %1: %2").arg(result_.errorLine).arg(result_.error));
        rows->clear();
        Importa->setEnabled(false);
        return;
    }
    fillRoles();
}

void frmImporta::fillRoles() {
    filling_ = true;
    qDeleteAll(roles);
    roles.clear();
    while (QLayoutItem *i = roleGrid_->takeAt(0)) {
        delete i->widget();
        delete i;
    }
    const ImportedTable &t = result_.table;
    const ImportChoice c = initialChoice(t);
    QStringList choices{omitted, latinName, QStringLiteral("Classis")};
    choices += translationNames;
    for (int k = 0; k < t.columnCount(); ++k) {
        const QString own = t.columns[k].trimmed();
        auto *label = new QLabel(own.isEmpty() ? tr("Colonna %1").arg(k + 1) : own, roleBox_);
        auto *box = new QComboBox(roleBox_);
        box->setEditable(true);
        box->addItems(choices);
        if (!own.isEmpty() && !choices.contains(own) && standardLanguage(own, t.locales.value(k)) == own)
            box->addItem(own);
        QString role = omitted;
        if (k == c.latin)
            role = latinName;
        else if (k == c.classColumn)
            role = QStringLiteral("Classis");
        else if (c.translations.contains(k))
            role = c.names[c.translations.indexOf(k)];
        if (box->findText(role) < 0) box->addItem(role);
        box->setCurrentText(role);
        box->setToolTip(tr("Che cosa dà questa colonna: il latino, la classe, una traduzione (scegliere o "
                           "scrivere il nome della lingua) o niente (-)"));
        connect(box, &QComboBox::currentTextChanged, this, &frmImporta::fillPreview);
        roleGrid_->addWidget(label, k / 3, (k % 3) * 2);
        roleGrid_->addWidget(box, k / 3, (k % 3) * 2 + 1);
        roles.append(box);
    }
    lessons->clear();
    bool anyWithout = false;
    for (const ImportedRow &r : t.rows)
        anyWithout = anyWithout || r.lessons.isEmpty();
    QStringList offered = t.lessons;
    if (anyWithout && !offered.isEmpty()) offered.append(noLesson);
    for (const QString &l : offered) {
        auto *item = new QListWidgetItem(l, lessons);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    lessons->parentWidget()->setVisible(!offered.isEmpty());
    const auto switchedOff =
        std::count_if(t.rows.cbegin(), t.rows.cend(), [](const ImportedRow &r) { return r.inactive; });
    inactiva->setToolTip(tr("Importa anche le %1 voci che il file segna come disattivate").arg(switchedOff));
    inactiva->setVisible(switchedOff > 0);
    warnings->setPlainText(t.warnings.join(QLatin1Char('\n')));
    warnings->setVisible(!t.warnings.isEmpty());
    filling_ = false;
    fillPreview();
}

ImportChoice frmImporta::choice() const {
    ImportChoice c = initialChoice(result_.table);
    c.latin = -1;
    c.classColumn = -1;
    c.translations.clear();
    c.names.clear();
    for (int k = 0; k < roles.size(); ++k) {
        const QString role = roles[k]->currentText().trimmed();
        if (role == latinName && c.latin < 0)
            c.latin = k;
        else if (role == QStringLiteral("Classis") && c.classColumn < 0)
            c.classColumn = k;
        else if (!role.isEmpty() && role != omitted && role != latinName &&
                 role != QStringLiteral("Classis")) {
            c.translations.append(k);
            c.names.append(role);
        }
    }
    if (lessons->count() > 0) {
        c.lessons.clear();
        c.noLesson = false;
        for (int i = 0; i < lessons->count(); ++i) {
            const QListWidgetItem *item = lessons->item(i);
            if (item->checkState() != Qt::Checked) continue;
            if (item->text() == noLesson && i == lessons->count() - 1)
                c.noLesson = true;
            else
                c.lessons.insert(item->text());
        }
        // A file whose rows have no lessons at all offers none to choose.
        if (result_.table.lessons.isEmpty()) c.noLesson = true;
    }
    c.inactive = inactiva->isChecked();
    for (auto it = classes_.cbegin(); it != classes_.cend(); ++it)
        if (it.key() < c.classes.size()) c.classes[it.key()] = it.value();
    return c;
}

void frmImporta::setClass(int row, int wordClass) {
    rows->setData(rows->index(row, 2), className(wordClass));
}

void frmImporta::fillPreview() {
    if (filling_) return;
    filling_ = true;
    const ImportedTable &t = result_.table;
    const ImportChoice c = choice();
    rows->clear();
    QStringList headings{QStringLiteral("Linea"), QStringLiteral("Verbum latinum"),
                         QStringLiteral("Classis")};
    headings += c.names;
    if (!t.lessons.isEmpty()) headings.append(QStringLiteral("Lectio"));
    rows->setHorizontalHeaderLabels(headings);
    int taken = 0;
    for (int r = 0; r < t.rows.size(); ++r) {
        if (!rowTaken(t, c, r) || c.latin < 0) continue;
        ++taken;
        if (rows->rowCount() >= previewRows) continue;
        QList<QStandardItem *> items;
        const auto item = [&](const QString &text, bool editable = false) {
            auto *i = new QStandardItem(text);
            i->setEditable(editable);
            items.append(i);
            return i;
        };
        item(QString::number(t.rows[r].line));
        item(headword(t, c, r));
        item(className(rowClass(t, c, r)), true)->setData(r, tableRowRole);
        for (int k : c.translations)
            item(t.rows[r].fields.value(k));
        if (!t.lessons.isEmpty()) item(t.rows[r].lessons.join(QStringLiteral(", ")));
        rows->appendRow(items);
    }
    preview->resizeColumnsToContents();
    summa->setText(c.latin < 0 ? tr("Scegliere la colonna del latino (Latinum)")
                               : tr("%1 vocaboli da importare").arg(taken));
    Importa->setEnabled(c.latin >= 0 && taken > 0);
    filling_ = false;
}
