// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
#include "ui/dialogs/circle_dialogs.h"

#include "core/number_text.h"
#include "model/design_rules.h"
#include "model/twoport_export.h"
#include "ui/app_state.h"
#include "ui/dialogs/sparam_line_dialog.h"
#include "ui/language.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string_view>

namespace zelvo {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// A figure, or the words saying there is none, in the interface's language.
QString figure(const std::string& s)
{
    return s == notDefinedText ? translatedMessage(q(s)) : q(s);
}

// The model's field captions in the user's language; "re" and "im" are symbols.
std::array<QString, 2> shownFieldLabels(bool polar)
{
    // For the translation tools only: the captions come from the model.
    [[maybe_unused]] static constexpr const char* polarNames[] = {
        QT_TRANSLATE_NOOP("CircleDialogs", "mag"),
        QT_TRANSLATE_NOOP("CircleDialogs", "angel [°]")};
    const std::array<std::string, 2> l = fieldLabels(polar);
    return {QCoreApplication::translate("CircleDialogs", l[0].c_str()),
            QCoreApplication::translate("CircleDialogs", l[1].c_str())};
}

QString helpFor(CircleKind kind, bool planeChooser)
{
    if (kind == CircleKind::Gain)
        return QCoreApplication::translate("CircleDialogs", "Constant Gain Circles");
    return planeChooser ? QCoreApplication::translate("CircleDialogs", "Stability-Circles") : QCoreApplication::translate("CircleDialogs", "Stability Circles");
}

// A dialog closed by one of its choice buttons; the choice is the button's code.
class ChoiceDialog : public ZelvoDialog {
  public:
    ChoiceDialog(AppState& state, const Platform& platform, QWidget* parent)
        : ZelvoDialog(state, platform, parent)
    {
    }
    QPushButton* addChoice(const QString& caption, const QString& name, int code)
    {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setMinimumSize(b->sizeHint().width() * 3 / 2, b->sizeHint().height() * 2);
        connect(b, &QPushButton::clicked, this, [this, code] {
            choice_ = code;
            accept();
        });
        return b;
    }
    QPushButton* helpButton()
    {
        auto* b = new QPushButton(QCoreApplication::translate("CircleDialogs", "Help..."), this);
        b->setObjectName(QStringLiteral("help"));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, &ChoiceDialog::showHelp);
        return b;
    }
    int choice() const { return choice_; }
    using ZelvoDialog::setHelpKeyword;

  private:
    int choice_ = 0;
};

int runChoice(ChoiceDialog& dialog, std::initializer_list<QPushButton*> choices, const QString& text)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* b : choices)
        row->addWidget(b);
    auto* layout = new QVBoxLayout(&dialog);
    if (!text.isEmpty())
        layout->addWidget(new QLabel(text, &dialog));
    layout->addLayout(row);
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch();
    helpRow->addWidget(dialog.helpButton());
    layout->addLayout(helpRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    (*choices.begin())->setDefault(true);
    dialog.exec();
    return dialog.choice();
}

} // namespace

std::optional<CirclePlane> choosePlane(AppState& state, const Platform& platform, CircleKind kind,
                                       QWidget* parent)
{
    ChoiceDialog d(state, platform, parent);
    d.setWindowTitle(QStringLiteral(" "));
    d.setHelpKeyword(helpFor(kind, true));
    QPushButton* in = d.addChoice(QCoreApplication::translate("CircleDialogs", "input plane"), QStringLiteral("inputPlane"), 1);
    QPushButton* out = d.addChoice(QCoreApplication::translate("CircleDialogs", "output plane"), QStringLiteral("outputPlane"), 2);
    in->setToolTip(QCoreApplication::translate("CircleDialogs", "Source side: the reflection coefficient the input sees"));
    out->setToolTip(QCoreApplication::translate("CircleDialogs", "Load side: the reflection coefficient the output sees"));
    switch (runChoice(d, {in, out}, {})) {
    case 1: return CirclePlane::Input;
    case 2: return CirclePlane::Output;
    default: return std::nullopt;
    }
}

std::optional<bool> chooseNormalisation(AppState& state, const Platform& platform, QWidget* parent)
{
    ChoiceDialog d(state, platform, parent);
    d.setWindowTitle(QStringLiteral(" "));
    d.setHelpKeyword(QString::fromLatin1(exportHelpTopic));
    // The export's own button texts, here for the translations.
    static constexpr const char* yesText = QT_TRANSLATE_NOOP("CircleDialogs", "NORMALIZE");
    static constexpr const char* noText = QT_TRANSLATE_NOOP("CircleDialogs", "NOT NORMALIZE");
    static_assert(std::string_view(yesText) == normalizeButtonText &&
                  std::string_view(noText) == notNormalizeButtonText);
    QPushButton* yes = d.addChoice(QCoreApplication::translate("CircleDialogs", yesText),
                                   QStringLiteral("normalize"), 1);
    QPushButton* no = d.addChoice(QCoreApplication::translate("CircleDialogs", noText),
                                  QStringLiteral("notNormalize"), 2);
    switch (runChoice(d, {yes, no},
                      QCoreApplication::translate("CircleDialogs",
                                                  "Write the values normalised to the reference "
                                                  "impedance,\nor in ohm and siemens?"))) {
    case 1: return true;
    case 2: return false;
    default: return std::nullopt;
    }
}

TwoPortDialog::TwoPortDialog(AppState& state, const Platform& platform, CircleKind kind,
                             QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("CircleDialogs", "s-parameter"));
    setHelpKeyword(helpFor(kind, false));
    static constexpr const char* names[4] = {"s11", "s12", "s21", "s22"};
    static constexpr const char* captions[4] = {"S11", "S12", "S21", "S22"};
    auto* grid = new QGridLayout;
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const QString name = QString::fromLatin1(names[k]);
        auto* box = new QGroupBox(QString::fromLatin1(captions[k]), this);
        auto* g = new QGridLayout(box);
        polar_[i] = new QRadioButton(QCoreApplication::translate("CircleDialogs", "polar"), box);
        polar_[i]->setObjectName(name + QStringLiteral("Polar"));
        cartesian_[i] = new QRadioButton(QCoreApplication::translate("CircleDialogs", "cartesian"), box);
        cartesian_[i]->setObjectName(name + QStringLiteral("Cartesian"));
        auto* group = new QButtonGroup(box);
        group->addButton(polar_[i]);
        group->addButton(cartesian_[i]);
        g->addWidget(polar_[i], 0, 0);
        g->addWidget(cartesian_[i], 0, 1);
        for (int j = 0; j < 2; ++j) {
            const auto f = static_cast<std::size_t>(2 * k + j);
            fields_[f] = numberField(name + (j == 0 ? QStringLiteral("First") : QStringLiteral("Second")));
            fields_[f]->setMaxLength(static_cast<int>(twoPortFieldChars));
            labels_[f] = new QLabel(box);
            labels_[f]->setObjectName(name + (j == 0 ? QStringLiteral("FirstLabel")
                                                     : QStringLiteral("SecondLabel")));
            g->addWidget(labels_[f], 1, j);
            g->addWidget(fields_[f], 2, j);
        }
        connect(polar_[i], &QRadioButton::toggled, this, [this, k] { relabel(k); });
        grid->addWidget(box, k / 2, k % 2);
    }
    auto* import = new QPushButton(QCoreApplication::translate("CircleDialogs", "Import s-Parameter ..."), this);
    import->setObjectName(QStringLiteral("import"));
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &TwoPortDialog::onImport);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TwoPortDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &TwoPortDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    auto* row = new QHBoxLayout;
    row->addWidget(import);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    show(twoPortFieldTexts(state.memory.twoPort));
}

void TwoPortDialog::show(const TwoPortFields& f)
{
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        (isPolar(f.polarMask, k) ? polar_[i] : cartesian_[i])->setChecked(true);
        relabel(k);
    }
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(q(f.text[i]));
}

void TwoPortDialog::relabel(int parameter)
{
    // Only the labels change: the numbers stay as typed.
    const auto i = static_cast<std::size_t>(parameter);
    const std::array<QString, 2> l = shownFieldLabels(polar_[i]->isChecked());
    labels_[2 * i]->setText(l[0]);
    labels_[2 * i + 1]->setText(l[1]);
}

unsigned TwoPortDialog::polarMask() const
{
    unsigned mask = 0;
    for (int k = 0; k < 4; ++k)
        if (polar_[static_cast<std::size_t>(k)]->isChecked())
            mask |= 1u << k;
    return mask;
}

void TwoPortDialog::onImport()
{
    const SParamSet& set = state_.sparams;
    if (const std::optional<DialogMessage> refusal = importUnavailable(set)) {
        report(platform_, state_.settings, this, *refusal);
        return;
    }
    const std::optional<int> row = choosePointDialog(state_, platform_, pointLines(set), this);
    if (!row || *row < 0 || *row >= set.validPoints())
        return;
    show(importedTwoPortFields(set.points[static_cast<std::size_t>(*row)]));
}

void TwoPortDialog::onOk()
{
    TwoPortFields f;
    f.polarMask = polarMask();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        f.text[i] = fields_[i]->text().toStdString();
    const Validated<TwoPort> v = validateTwoPort(f);
    if (const auto* e = std::get_if<FieldError>(&v)) {
        failField(fields_[static_cast<std::size_t>(e->field)], q(e->message.text),
                  e->message.beep);
        return;
    }
    entered_ = std::get<TwoPort>(v);
    state_.memory.twoPort = {entered_, f.polarMask};
    if (onValid && !onValid(entered_))
        return;
    accept();
}

GainValueDialog::GainValueDialog(AppState& state, const Platform& platform,
                                 const GainCircleRecord& record, QWidget* parent)
    : ZelvoDialog(state, platform, parent), gmax_(record.g)
{
    setWindowTitle(QCoreApplication::translate("CircleDialogs", "power gain to show"));
    setHelpKeyword(helpFor(CircleKind::Gain, false));
    const GainDialogTexts t = gainDialogTexts(record);
    auto* k = new QLabel(figure(t.k), this);
    k->setObjectName(QStringLiteral("k"));
    auto* gmax = new QLabel(figure(t.gmax), this);
    gmax->setObjectName(QStringLiteral("gmax"));
    value_ = numberField(QStringLiteral("value"));
    value_->setText(q(t.value));
    value_->selectAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &GainValueDialog::onOk);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QCoreApplication::translate("CircleDialogs", "stability factor K:"), this), 0, 0);
    grid->addWidget(k, 0, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("CircleDialogs", "max. power gain Gmax:"), this), 1, 0);
    grid->addWidget(gmax, 1, 1);
    grid->addWidget(new QLabel(QCoreApplication::translate("CircleDialogs", "power gain P to show [dB]:"), this), 2, 0);
    grid->addWidget(value_, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GainValueDialog::onOk()
{
    const Validated<float> v = validateGainValue(value_->text().toStdString());
    if (const auto* e = std::get_if<FieldError>(&v)) {
        failField(value_, q(e->message.text), e->message.beep);
        return;
    }
    const float p = std::get<float>(v);
    if (const std::optional<DialogMessage> m = gainExceedsMaximum(p, gmax_)) {
        failField(value_, q(m->text), m->beep);
        return;
    }
    gain_ = p;
    accept();
}

NoiseFigureDialog::NoiseFigureDialog(AppState& state, const Platform& platform, QWidget* parent)
    : ZelvoDialog(state, platform, parent)
{
    setWindowTitle(QCoreApplication::translate("CircleDialogs", "constant noise figure NF"));
    setHelpKeyword(QStringLiteral("Constant Noise Figure Circles"));
    const SParamSet& set = state.sparams;

    const QString noFile = QCoreApplication::translate(
        "CircleDialogs", "Open file in S-Plot mode to see list of noise parameters");
    auto* caption = new QLabel(set.loaded ? q(noiseListCaption(set)) : noFile, this);
    caption->setObjectName(QStringLiteral("caption"));
    auto* header = new QListWidget(this);
    header->setObjectName(QStringLiteral("header"));
    const int column = useTabColumns(header);
    // The columns of Gamma opt take the captions of its fields below.
    QStringList columns = q(noiseListHeader(set.freqExponent)).split(QLatin1Char('\t'));
    const std::array<QString, 2> polarCaptions = shownFieldLabels(true);
    if (columns.size() == 5) {
        columns[2] = polarCaptions[0];
        columns[3] = polarCaptions[1];
    }
    header->addItem(columns.join(QLatin1Char('\t')));
    header->setFocusPolicy(Qt::NoFocus);
    header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header->setFixedHeight(header->sizeHintForRow(0) + 2 * header->frameWidth());
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("noiseLines"));
    useTabColumns(list_);
    for (const std::string& line : noiseListLines(set))
        list_->addItem(q(line));
    const int width = 5 * column + 8 + 2 * list_->frameWidth() + 20;
    header->setMinimumWidth(width);
    list_->setMinimumWidth(width);
    list_->setFixedHeight(8 * std::max(header->sizeHintForRow(0), 12));
    connect(list_, &QListWidget::currentRowChanged, this, &NoiseFigureDialog::onLine);

    static constexpr const char* names[5] = {"nfMin", "gammaFirst", "gammaSecond", "resistance", "nf"};
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i] = numberField(QString::fromLatin1(names[i]));

    auto* nfMinBox = new QGroupBox(QCoreApplication::translate("CircleDialogs", "minimum noise figure NFmin [dB]"), this);
    (new QVBoxLayout(nfMinBox))->addWidget(fields_[NfMinField]);

    auto* gammaBox = new QGroupBox(QCoreApplication::translate("CircleDialogs", "reflection coefficient corresponding to NFmin"), this);
    polar_ = new QRadioButton(QCoreApplication::translate("CircleDialogs", "polar"), gammaBox);
    polar_->setObjectName(QStringLiteral("polar"));
    cartesian_ = new QRadioButton(QCoreApplication::translate("CircleDialogs", "cartesian"), gammaBox);
    cartesian_->setObjectName(QStringLiteral("cartesian"));
    firstLabel_ = new QLabel(gammaBox);
    secondLabel_ = new QLabel(gammaBox);
    auto* gg = new QGridLayout(gammaBox);
    gg->addWidget(polar_, 0, 0);
    gg->addWidget(cartesian_, 0, 1);
    gg->addWidget(firstLabel_, 1, 0);
    gg->addWidget(secondLabel_, 1, 1);
    gg->addWidget(fields_[GammaFirst], 2, 0);
    gg->addWidget(fields_[GammaSecond], 2, 1);

    auto* rBox = new QGroupBox(QCoreApplication::translate("CircleDialogs", "equivalent input noise resistance"), this);
    notNormalized_ = new QRadioButton(QCoreApplication::translate("CircleDialogs", "not normalized"), rBox);
    notNormalized_->setObjectName(QStringLiteral("notNormalized"));
    normalized_ = new QRadioButton(QCoreApplication::translate("CircleDialogs", "normalized"), rBox);
    normalized_->setObjectName(QStringLiteral("normalized"));
    resistanceUnit_ = new QLabel(rBox);
    auto* rg = new QGridLayout(rBox);
    rg->addWidget(notNormalized_, 0, 0);
    rg->addWidget(normalized_, 0, 1);
    rg->addWidget(fields_[ResistanceField], 1, 0);
    rg->addWidget(resistanceUnit_, 1, 1);

    auto* nfBox = new QGroupBox(QCoreApplication::translate("CircleDialogs", "Noise figure NF to show [dB]"), this);
    (new QVBoxLayout(nfBox))->addWidget(fields_[NfField]);

    for (QRadioButton* b : {polar_, cartesian_, notNormalized_, normalized_})
        connect(b, &QRadioButton::toggled, this, &NoiseFigureDialog::relabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto* help = buttons->addButton(QCoreApplication::translate("CircleDialogs", "Help..."), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("help"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NoiseFigureDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &NoiseFigureDialog::showHelp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(header);
    layout->addWidget(list_);
    auto* fieldsGrid = new QGridLayout;
    fieldsGrid->addWidget(nfMinBox, 0, 0);
    fieldsGrid->addWidget(nfBox, 0, 1);
    fieldsGrid->addWidget(gammaBox, 1, 0);
    fieldsGrid->addWidget(rBox, 1, 1);
    layout->addLayout(fieldsGrid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    show(noiseFieldTexts(state.memory.noise, state.design.z0));
}

void NoiseFigureDialog::show(const NoiseFields& f)
{
    (f.polar ? polar_ : cartesian_)->setChecked(true);
    (f.normalized ? normalized_ : notNormalized_)->setChecked(true);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(q(f.text[i]));
    relabel();
}

NoiseFields NoiseFigureDialog::current() const
{
    NoiseFields f;
    f.polar = polar_->isChecked();
    f.normalized = normalized_->isChecked();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        f.text[i] = fields_[i]->text().toStdString();
    return f;
}

void NoiseFigureDialog::relabel()
{
    const std::array<QString, 2> l = shownFieldLabels(polar_->isChecked());
    firstLabel_->setText(l[0]);
    secondLabel_->setText(l[1]);
    resistanceUnit_->setText(normalized_->isChecked() ? QCoreApplication::translate("CircleDialogs", "rn (to Zo)")
                                                      : QCoreApplication::translate("CircleDialogs", "Rn [Ohm]"));
}

void NoiseFigureDialog::onLine(int row)
{
    const SParamSet& set = state_.sparams;
    if (row < 0 || row >= set.validNoise())
        return;
    show(noiseFieldsFromPoint(set.noise[static_cast<std::size_t>(row)], current()));
}

void NoiseFigureDialog::onOk()
{
    const NoiseFields f = current();
    const Validated<NoiseCircleRecord> v = validateNoise(f, state_.design.z0);
    if (const auto* e = std::get_if<FieldError>(&v)) {
        failField(fields_[static_cast<std::size_t>(e->field)], q(e->message.text),
                  e->message.beep);
        return;
    }
    const NoiseCircleRecord& record = std::get<NoiseCircleRecord>(v);
    Design& d = state_.design;
    if (const std::optional<DialogMessage> full = checkHistoryRoom(d)) {
        report(platform_, state_.settings, this, *full);
        return;
    }
    state_.memory.noise = rememberNoise(record, f);
    appendNoiseCircle(d, record);
    accept();
}

} // namespace zelvo
