#include "FieldMapper.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPointer>
#include <QStyledItemDelegate>

namespace {

const char lookupProperty[] = "fieldMapperLookup";
const char flagProperty[] = "fieldMapperFlag";

bool isLookup(const QWidget *editor)
{
    return qobject_cast<const QComboBox *>(editor) && editor->property(lookupProperty).toBool();
}

QCheckBox *asFlag(QWidget *editor)
{
    auto *box = qobject_cast<QCheckBox *>(editor);
    return box && box->property(flagProperty).toBool() ? box : nullptr;
}

// Letters and digits only: what a masked field holds once the mask's
// punctuation and blanks are taken out.
QString unmasked(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            result.append(c);
    }
    return result;
}

bool sameValue(const QVariant &current, const QVariant &value)
{
    if (current == value)
        return true;
    // A null text column and an empty field say the same.
    return !current.isValid() && value.typeId() == QMetaType::QString && value.toString().isEmpty();
}

class FieldDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QVariant value = index.data(Qt::EditRole);
        if (isLookup(editor)) {
            auto *combo = static_cast<QComboBox *>(editor);
            combo->setCurrentIndex(value.isValid() ? combo->findData(value) : -1);
        } else if (QCheckBox *box = asFlag(editor)) {
            box->setChecked(value.toString() == u"S");
        } else if (auto *label = qobject_cast<QLabel *>(editor)) {
            label->setText(value.toString());
        } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            // The stored value as it is: a field runs its validator on any
            // text it is given, and an upper-case validator would show (and
            // OK would then write) a stored lower-case value in capitals.
            // Also for a masked field: the mask places the stored characters
            // between its punctuation.
            const QPointer<const QValidator> validator = line->validator();
            line->setValidator(nullptr);
            line->setText(value.toString());
            line->setValidator(validator);
        } else {
            QStyledItemDelegate::setEditorData(editor, index);
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        QVariant value;
        if (isLookup(editor)) {
            value = static_cast<QComboBox *>(editor)->currentData();
        } else if (const QCheckBox *box = asFlag(editor)) {
            // Written only when the box says otherwise than the row: an empty
            // or null flag is shown unticked and says the same as "N".
            if (box->isChecked() == (index.data(Qt::EditRole).toString() == u"S"))
                return;
            value = box->isChecked() ? QStringLiteral("S") : QStringLiteral("N");
        } else if (qobject_cast<QLabel *>(editor)) {
            return;
        } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            value = FieldMapper::storedText(line);
        } else {
            const QByteArray name = editor->metaObject()->userProperty().name();
            value = editor->property(name.constData());
        }
        if (!sameValue(index.data(Qt::EditRole), value))
            model->setData(index, value, Qt::EditRole);
    }

protected:
    // Qt's delegate would take Tab, Esc and the focus-out of every mapped
    // field; the dialog's own conventions handle those.
    bool eventFilter(QObject *, QEvent *) override { return false; }
};

} // namespace

FieldMapper::FieldMapper(QObject *parent) : QDataWidgetMapper(parent)
{
    setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    setItemDelegate(new FieldDelegate(this));
}

QString FieldMapper::storedText(const QLineEdit *field)
{
    return field->inputMask().isEmpty() ? field->text() : unmasked(field->text());
}

void FieldMapper::addLookup(QComboBox *combo, int section, const QAbstractItemModel *list, int keyColumn,
                            int textColumn)
{
    combo->clear();
    for (int row = 0; row < list->rowCount(); ++row)
        combo->addItem(list->index(row, textColumn).data().toString(), list->index(row, keyColumn).data());
    combo->setProperty(lookupProperty, true);
    addMapping(combo, section);
}

void FieldMapper::addFlag(QCheckBox *box, int section)
{
    box->setProperty(flagProperty, true);
    addMapping(box, section);
}
