#include "actors/WizHpmpexpDia.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "actors/StartupHpMpExpPage.h"
#include "controls/EnterKeyFilter.h"

using namespace quorvex;

namespace {

// A small picture of a formula kind's curve from (f, c) to (last, final).
QPixmap KindPicture(int kind)
{
    QPixmap pix(64, 40);
    pix.fill(Qt::white);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(170, 170, 180));
    p.drawLine(6, 34, 60, 34);
    p.drawLine(6, 34, 6, 4);
    p.setPen(QPen(QColor(30, 90, 200), 2));
    const int n = kind == kWizardFreePower ? 3 : WizardKindPower(kind, 0);
    QPointF last;
    for (int x = 0; x <= 50; ++x) {
        const double t = x / 50.0;
        double y = 0.5;
        if (n > 0) {
            y = IntegerPower(t, n);
        } else if (n < 0) {
            // Falling from a peak just after the first level towards the final value.
            auto f = [n](double u) { return IntegerPower(u + 0.05, n); };
            y = (f(t) - f(1.0)) / (f(0.0) - f(1.0));
        }
        const QPointF pt(8 + x, 32 - 26 * y);
        if (x > 0)
            p.drawLine(last, pt);
        last = pt;
    }
    return pix;
}

const char* const kKindLabels[kWizardKinds] = {"constant: c",          "linear: c + g (L - f)",
                                               "square: c + g (L - f)^2", "inverse: c + g / (L - f)",
                                               "inverse square: c + g / (L - f)^2", "power: c + g (L - f)^n"};

} // namespace

CWizHpmpexpDia::CWizHpmpexpDia(CStartupHpMpExpPage* page, QWidget* parent) : QDialog(parent), m_page(page)
{
    setWindowTitle(QStringLiteral("Evolution Wizard"));
    setModal(false);

    auto* kinds = new QGridLayout;
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < kWizardKinds; ++k) {
        m_kinds[k] = new QRadioButton(QString::fromLatin1(kKindLabels[k]), this);
        auto* picture = new QLabel(this);
        picture->setPixmap(KindPicture(k));
        group->addButton(m_kinds[k], k);
        kinds->addWidget(picture, k, 0);
        kinds->addWidget(m_kinds[k], k, 1);
    }
    connect(group, &QButtonGroup::idClicked, this, &CWizHpmpexpDia::ChooseKind);

    auto* form = new QFormLayout;
    const char* const kLabels[kFields] = {"initial value (c)", "final value", "first level (f)", "last level",
                                          "power (n)"};
    for (int f = 0; f < kFields; ++f) {
        m_fields[f] = new QLineEdit(this);
        form->addRow(QString::fromLatin1(kLabels[f]), m_fields[f]);
        connect(m_fields[f], &QLineEdit::editingFinished, this, [this, f] { ReadField(static_cast<Field>(f)); });
    }
    m_gain = new QLabel(this);
    form->addRow(QStringLiteral("gain needed (g)"), m_gain);

    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(apply, &QPushButton::clicked, this, &CWizHpmpexpDia::Apply);
    // Both close the wizard; what Apply wrote stays in the table.
    connect(done, &QPushButton::clicked, this, &QDialog::close);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(done);
    buttons->addWidget(cancel);

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(kinds);
    lay->addLayout(form);
    lay->addLayout(buttons);
    m_kinds[m_wizard.Kind()]->setChecked(true);
    // Enter commits the value typed into a field; Apply is pressed by hand.
    MakeButtonsOrdinary(this);
}

void CWizHpmpexpDia::Follow(GrowthTable table, const GrowthValues& shown)
{
    m_wizard.SetTable(table);
    m_wizard.Load(shown);
    if (m_wizard.Initial() == 0 && m_wizard.Final() == 0) {
        // A first look starts from the table's own first and last values.
        m_wizard.SetInitial(m_wizard.At(2));
        m_wizard.SetFinal(m_wizard.At(99));
    }
    ShowFields();
}

void CWizHpmpexpDia::ChooseKind(int kind)
{
    m_wizard.SetKind(kind);
    m_kinds[m_wizard.Kind()]->setChecked(true);
    ShowFields();
}

void CWizHpmpexpDia::TypeField(Field field, const QString& text)
{
    m_fields[field]->setText(text);
    ReadField(field);
}

void CWizHpmpexpDia::ReadField(Field field)
{
    bool ok = false;
    const qlonglong v = m_fields[field]->text().trimmed().toLongLong(&ok);
    if (ok) {
        switch (field) {
        case kInitial: m_wizard.SetInitial(v); break;
        case kFinal: m_wizard.SetFinal(v); break;
        case kFirst: m_wizard.SetFirstLevel(static_cast<int>(std::clamp<qlonglong>(v, -1000, 1000))); break;
        case kLast: m_wizard.SetLastLevel(static_cast<int>(std::clamp<qlonglong>(v, -1000, 1000))); break;
        case kPower: m_wizard.SetPower(static_cast<int>(std::clamp<qlonglong>(v, -1000, 1000))); break;
        case kFields: break;
        }
    }
    ShowFields();
}

void CWizHpmpexpDia::ShowFields()
{
    m_fields[kInitial]->setText(QString::number(m_wizard.Initial()));
    m_fields[kFinal]->setText(QString::number(m_wizard.Final()));
    m_fields[kFirst]->setText(QString::number(m_wizard.FirstLevel()));
    m_fields[kLast]->setText(QString::number(m_wizard.LastLevel()));
    m_fields[kPower]->setText(QString::number(m_wizard.Power()));
    // A constant has no final value to reach; only the free kind uses the power field.
    m_fields[kFinal]->setEnabled(m_wizard.Kind() != 0);
    m_fields[kPower]->setEnabled(m_wizard.Kind() == kWizardFreePower);
    m_gain->setText(QString::asprintf("%0.5f", m_wizard.Gain()));
}

void CWizHpmpexpDia::Apply()
{
    for (int f = 0; f < kFields; ++f)
        ReadField(static_cast<Field>(f));
    m_wizard.Apply();
    m_page->StoreShownValues(m_wizard.Working());
    ShowFields();
}
