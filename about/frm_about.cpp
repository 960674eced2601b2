#include "about/frm_about.h"

#include "about/desktop_platform.h"
#include "about/launcher.h"
#include "common/application.h"
#include "common/colours.h"
#include "main_window/look.h"
#include "main_window/twips.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace tavrel {

namespace {

constexpr int kClientWidthTwips = 5880;
constexpr int kClientHeightTwips = 2775;
// The etched separator: a grey line with a white one beneath it.
constexpr int kSeparatorLeftTwips = 120;
constexpr int kSeparatorRightTwips = 5640;
constexpr int kSeparatorTopTwips = 1680;

QPointer<frmAbout> g_instance;
const QSize kPictureSize(108, 99); // pixels at the standard 96 DPI

const char *const kDescription =
    "Tavrel allows you to calculate with a 1% accuracy your distance of descent, taking account "
    "of your plane heading, the wind speed and direction and the IAS/TAS variation.";
constexpr int kDescriptionTrailingBlanks = 37;
const char *const kDisclaimer = "Freeware - 2026 - The Tavrel developers"
                                "                                        "
                                "Send your comments through the project's issue tracker.";

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, ColourValue colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetForeColour(label, colour);
    return label;
}

} // namespace

frmAbout *frmAbout::ShowAbout()
{
    if (!g_instance)
        g_instance = new frmAbout;
    g_instance->show();
    g_instance->raise();
    g_instance->activateWindow();
    return g_instance;
}

frmAbout *frmAbout::Instance() { return g_instance; }

frmAbout::frmAbout() : QDialog(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // Fixed dialog frame: close button, no minimize, maximize or help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(ClassicFont(8.25, false));

    CreateControls();
    PlaceControls(logicalDpiY());
    m_platform = std::make_unique<DesktopPlatform>(this);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(*m_platform); });
    LoadStep();
}

frmAbout::~frmAbout() = default;

void frmAbout::SetLauncherPlatform(std::unique_ptr<LauncherPlatform> platform)
{
    m_platform = std::move(platform);
}

void frmAbout::CreateControls()
{
    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    // The icon engine picks airliner@2x.png on screens scaled by 2 or more.
    picIcon->setPixmap(QIcon(":/pictures/airliner.png").pixmap(kPictureSize, devicePixelRatioF()));
    picIcon->setScaledContents(true);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true); // Enter; Esc is the dialog's own cancel
    cmdSysInfo = new QPushButton("&System Info...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");

    Label1 = MakeLabel(this, "Label1", "   FOR FLIGHT SIMULATOR USE ONLY", kRed);
    Label1->setFont(ClassicFont(8.25, true));
    lblDescription = MakeLabel(this, "lblDescription",
                               QString::fromUtf8(kDescription) +
                                   QString(kDescriptionTrailingBlanks, QLatin1Char(' ')),
                               kBlack);
    lblDescription->setWordWrap(true);
    lblTitle = MakeLabel(this, "lblTitle", QString::fromUtf8(kApplicationTitle), kBlack);
    lblDisclaimer = MakeLabel(this, "lblDisclaimer", QString::fromUtf8(kDisclaimer), kBlack);
    lblDisclaimer->setWordWrap(true);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

void frmAbout::PlaceControls(qreal logicalDpi)
{
    PlaceInTwips(
        {
            {picIcon, 120, 120, 1680, 1545},
            {cmdOK, 4245, 1785, 1260, 345},
            {cmdSysInfo, 4260, 2235, 1245, 345},
            {Label1, 1800, 1320, 3735, 255},
            {lblDescription, 1890, 405, 3765, 810},
            {lblTitle, 1890, 120, 2925, 480},
            {lblDisclaimer, 255, 1905, 3870, 705},
        },
        logicalDpi);
    setFixedSize(TwipsToPixels(kClientWidthTwips, logicalDpi),
                 TwipsToPixels(kClientHeightTwips, logicalDpi));
}

void frmAbout::LoadStep() { setWindowTitle("About " + QString::fromUtf8(kApplicationTitle)); }

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    const qreal dpi = logicalDpiY();
    const int left = TwipsToPixels(kSeparatorLeftTwips, dpi);
    const int right = TwipsToPixels(kSeparatorRightTwips, dpi);
    const int y = TwipsToPixels(kSeparatorTopTwips, dpi);
    QPainter painter(this);
    painter.setPen(ToQColor(kGrey));
    painter.drawLine(left, y, right, y);
    painter.setPen(ToQColor(kWhite));
    painter.drawLine(left, y + 1, right, y + 1);
}

} // namespace tavrel
