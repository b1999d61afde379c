#include "analysis/ui/FrmMix.h"

#include "analysis/Calibration.h"
#include "analysis/CalibrationChart.h"
#include "analysis/StoredText.h"
#include "analysis/ui/AnalysisControls.h"
#include "common/NumberText.h"
#include "common/Prompts.h"
#include "curves/ui/ChartPicture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace analysis;

namespace {

// Room for the usual 1, 3, 7 and 28 days and a few more.
constexpr int SpareRows = 3;
constexpr int LeastRows = 6;

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

// A typed number; none for an empty or unreadable entry.
bool typedNumber(const QLineEdit* box, double& out) {
    const auto value = StoredText::toNumber(box->text());
    if (value)
        out = *value;
    return value.has_value();
}

} // namespace

FrmMix::FrmMix(Prompts& prompts, const StoreAccess& access, const PourSettings& pour, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_pour(pour) {
    using AnalysisControls::textBox;
    setObjectName(QStringLiteral("FrmMix"));
    setWindowTitle(QStringLiteral("配合比与强度"));
    const Mix& mix = pour.mix;
    txtMixName = textBox(QStringLiteral("txtMixName"), mix.name, this);
    txtDesign = textBox(QStringLiteral("txtDesign"),
                        mix.designStrength > 0 ? PlainNumber(mix.designStrength) : QString(), this);
    txtDatum = textBox(QStringLiteral("txtDatum"), PlainNumber(mix.maturity.datum), this);
    txtEnergy = textBox(QStringLiteral("txtEnergy"), PlainNumber(mix.maturity.activationEnergy), this);
    txtReference = textBox(QStringLiteral("txtReference"), PlainNumber(mix.maturity.reference), this);
    txtCuring = textBox(QStringLiteral("txtCuring"), PlainNumber(mix.calibrationTemperature), this);
    cboTarget = new QComboBox(this);
    cboTarget->setObjectName(QStringLiteral("cboTarget"));
    selectTarget(pour.strengthTarget);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("配合比名称："), txtMixName);
    form->addRow(QStringLiteral("设计强度(MPa，如C40填40)："), txtDesign);
    form->addRow(QStringLiteral("基准温度T0(℃)："), txtDatum);
    form->addRow(QStringLiteral("活化能E(J/mol)："), txtEnergy);
    form->addRow(QStringLiteral("参考温度Tr(℃)："), txtReference);
    form->addRow(QStringLiteral("标定试件养护温度(℃)："), txtCuring);
    form->addRow(QStringLiteral("拆模强度目标(设计强度的)："), cboTarget);
    auto* columns = new QHBoxLayout;
    columns->addLayout(form);
    columns->addWidget(buildTable(mix));
    lblFit = new QLabel(this);
    lblFit->setObjectName(QStringLiteral("lblFit"));
    lblFit->setWordWrap(true);
    picFit = new ChartPicture(this);
    picFit->setObjectName(QStringLiteral("picFit"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(lblFit);
    layout->addWidget(picFit, 1);
    layout->addWidget(AnalysisControls::okCancel(this, access, cmdOK, CmdCancle));
    for (QLineEdit* box : {txtDatum, txtEnergy, txtCuring, txtDesign})
        connect(box, &QLineEdit::textChanged, this, &FrmMix::drawFit);
    connect(tblPairs, &QTableWidget::itemChanged, this, &FrmMix::drawFit);
    connect(cmdAddRow, &QPushButton::clicked, this, &FrmMix::cmdAddRow_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FrmMix::cmdOK_Click);
    connect(CmdCancle, &QPushButton::clicked, this, &QDialog::reject);
    drawFit();
}

QWidget* FrmMix::buildTable(const Mix& mix) {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    tblPairs = new QTableWidget(std::max(LeastRows, int(mix.pairs.size()) + SpareRows), 2, box);
    tblPairs->setObjectName(QStringLiteral("tblPairs"));
    tblPairs->setHorizontalHeaderLabels({QStringLiteral("龄期(d)"), QStringLiteral("强度(MPa)")});
    for (int i = 0; i < mix.pairs.size(); ++i) {
        tblPairs->setItem(i, 0, new QTableWidgetItem(PlainNumber(mix.pairs[i].ageDays)));
        tblPairs->setItem(i, 1, new QTableWidgetItem(PlainNumber(mix.pairs[i].strength)));
    }
    cmdAddRow = AnalysisControls::button(QStringLiteral("cmdAddRow"), QStringLiteral("增加一行"), box);
    column->addWidget(new QLabel(QStringLiteral("标定数据（同条件试件的龄期和抗压强度）："), box));
    column->addWidget(tblPairs);
    column->addWidget(cmdAddRow);
    return box;
}

void FrmMix::selectTarget(double share) {
    for (double s : {0.5, 0.75, 1.0})
        cboTarget->addItem(PlainNumber(s * 100) + QLatin1Char('%'), s);
    if (cboTarget->findData(share) < 0)
        cboTarget->addItem(PlainNumber(share * 100) + QLatin1Char('%'), share);
    cboTarget->setCurrentIndex(cboTarget->findData(share));
}

void FrmMix::cmdAddRow_Click() {
    tblPairs->insertRow(tblPairs->rowCount());
}

QString FrmMix::read(Mix& mix) const {
    mix = m_pour.mix;
    mix.name = txtMixName->text().trimmed();
    mix.designStrength = 0.0;
    if (!txtDesign->text().trimmed().isEmpty() && !typedNumber(txtDesign, mix.designStrength))
        return QStringLiteral("设计强度必须是数（MPa，如C40填40）。");
    const struct {
        QLineEdit* box;
        double& value;
        const char* name;
    } numbers[] = {{txtDatum, mix.maturity.datum, "基准温度"},
                   {txtEnergy, mix.maturity.activationEnergy, "活化能"},
                   {txtReference, mix.maturity.reference, "参考温度"},
                   {txtCuring, mix.calibrationTemperature, "标定试件养护温度"}};
    for (const auto& n : numbers)
        if (!typedNumber(n.box, n.value))
            return QString::fromUtf8(n.name) + QStringLiteral("必须填写数值。");
    if (const QString rule = mix.maturity.problem(); !rule.isEmpty())
        return rule;
    return readPairs(mix);
}

QString FrmMix::readPairs(Mix& mix) const {
    mix.pairs.clear();
    for (int row = 0; row < tblPairs->rowCount(); ++row) {
        const QString age = cellText(tblPairs, row, 0);
        const QString strength = cellText(tblPairs, row, 1);
        if (age.isEmpty() && strength.isEmpty())
            continue;
        const auto a = StoredText::toNumber(age);
        const auto s = StoredText::toNumber(strength);
        if (!a || !s || *a <= 0 || *s <= 0)
            return QStringLiteral("标定数据第%1行：龄期和强度都必须是正数。").arg(row + 1);
        mix.pairs.append({*a, *s});
    }
    return {};
}

void FrmMix::drawFit() {
    Mix mix;
    const QString problem = read(mix);
    const Calibration calibration = Calibration::of(mix);
    lblFit->setText(!problem.isEmpty()        ? problem
                    : !calibration.given()    ? QStringLiteral("没有标定数据：只计算成熟度和等效龄期。")
                    : !calibration.usable()   ? calibration.problem()
                                              : QStringLiteral("拟合 R² = %1").arg(calibration.fit().rSquared(), 0, 'f', 4));
    QImage image = ChartPicture::BlankImage(CalibrationChart::Width, CalibrationChart::Height);
    if (problem.isEmpty()) {
        QVector<double> strengths;
        for (const CalibrationPair& p : mix.pairs)
            strengths.append(p.strength);
        QPainter painter(&image);
        CalibrationChart::draw(painter, QRect(0, 0, CalibrationChart::Width, CalibrationChart::Height),
                               calibration, strengths);
    }
    picFit->setImage(image);
}

void FrmMix::cmdOK_Click() {
    Mix mix;
    if (const QString problem = read(mix); !problem.isEmpty()) {
        m_prompts.message(this, QStringLiteral("提示："), problem, Prompts::Buttons::Ok, Prompts::Icon::Warning);
        return;
    }
    const Calibration calibration = Calibration::of(mix);
    if (calibration.given() && !calibration.usable() &&
        m_prompts.message(this, QStringLiteral("提示："),
                          QStringLiteral("标定数据不能使用：%1\n保存后只给出成熟度和等效龄期，不推定强度。"
                                         "仍然保存吗？")
                              .arg(calibration.problem()),
                          Prompts::Buttons::YesNo, Prompts::Icon::Question) != Prompts::Answer::Yes)
        return;
    m_pour.mix = mix;
    m_pour.strengthTarget = cboTarget->currentData().toDouble();
    accept();
}
