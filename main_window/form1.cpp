#include "main_window/form1.h"

#include "about/frm_about.h"
#include "calc/descent.h"
#include "common/application.h"
#include "common/colours.h"
#include "common/numbers.h"
#include "main_window/look.h"
#include "main_window/spinner.h"
#include "main_window/spinner_rules.h"
#include "main_window/twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tavrel {

namespace {

constexpr int kClientWidthTwips = 6000;
constexpr int kClientHeightTwips = 2880;
constexpr qreal kSmallPoints = 8.25;
constexpr qreal kLargePoints = 9.75;

template <typename T> T *Named(T *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const char *caption, qreal points,
                  const char *toolTip = nullptr)
{
    auto *label = Named(new QLabel(QString::fromUtf8(caption), parent), name);
    label->setFont(ClassicFont(points, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Captions lie beneath the boxes: two of them reach a pixel into their box.
    label->lower();
    if (toolTip)
        label->setToolTip(QString::fromUtf8(toolTip));
    return label;
}

QLineEdit *MakeInputBox(QWidget *parent, const char *name, ColourValue textColour)
{
    auto *box = Named(new QLineEdit(parent), name);
    SetBackColour(box, kWhite);
    SetForeColour(box, textColour);
    return box;
}

Spinner *MakeSpinner(QWidget *parent, const char *name, int min, int max, int smallChange,
                     int value)
{
    auto *spinner = Named(new Spinner(parent), name);
    spinner->setRange(min, max);
    spinner->setSingleStep(smallChange);
    spinner->setPageStep(1);
    spinner->setValue(value);
    return spinner;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const char *caption,
                        const char *toolTip = nullptr)
{
    auto *button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
    button->setAutoDefault(false); // Enter presses no button of this window
    if (toolTip)
        button->setToolTip(QString::fromUtf8(toolTip));
    return button;
}

QRadioButton *MakeOption(QWidget *parent, const char *name, const char *caption)
{
    auto *option = Named(new QRadioButton(QString::fromUtf8(caption), parent), name);
    option->setFont(ClassicFont(kSmallPoints, true));
    SetBackColour(option, kSysInactiveBorder);
    SetForeColour(option, kBlue);
    return option;
}

float ReadSingle(const QLineEdit *box) { return ToSingle(ReadNumber(box->text().toStdString())); }

} // namespace

Form1::Form1(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    // Fixed single border with the system menu and the close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    CreateControls();
    m_pairs = {{{Text1, VScroll5, StartAltitudeFeet, Label1, "feet"},
                {Text2, VScroll2, TargetAltitudeFeet, Label2, "feet"},
                {Text3, VScroll3, VerticalSpeedFeetPerMin, Label3, "feet per minute"},
                {Text4, VScroll4, AirspeedKnots, Label4, "knots"},
                {Text8, VScroll7, DirectionDeg, Label17, "degrees"},
                {Text9, VScroll8, WindSpeedKnots, Label18, "knots"},
                {Text7, VScroll6, DirectionDeg, Label16, "degrees"}}};
    DescribeControls();
    PlaceControls(logicalDpiY());
    SetTabOrder();
    Connect();
    LoadStep();
    Text1->setFocus();
}

void Form1::CreateControls()
{
    // In creation order; the no-wind look of the heading and wind-direction rows
    // is their initial state, since the wind speed starts at 0.
    VScroll5 = MakeSpinner(this, "VScroll5", 0, 30000, 50, 16000);
    VScroll8 = MakeSpinner(this, "VScroll8", 0, 199, 1, 199);
    VScroll7 = MakeSpinner(this, "VScroll7", 0, 359, 1, 0);
    VScroll6 = MakeSpinner(this, "VScroll6", 0, 359, 1, 0);
    VScroll4 = MakeSpinner(this, "VScroll4", 0, 800, 5, 600);
    VScroll3 = MakeSpinner(this, "VScroll3", 100, 10000, 100, 8300);
    VScroll2 = MakeSpinner(this, "VScroll2", 0, 26000, 100, 23000);
    VScroll7->setVisible(false);
    VScroll6->setVisible(false);

    Command3 = MakeButton(this, "Command3", "About", "About this software");
    Text9 = MakeInputBox(this, "Text9", kDarkBlue);
    Text8 = MakeInputBox(this, "Text8", kWhite);
    Text7 = MakeInputBox(this, "Text7", kWhite);
    Option2 = MakeOption(this, "Option2", "TAS");
    Option1 = MakeOption(this, "Option1", "IAS");
    Option1->setChecked(true);
    Command2 = MakeButton(this, "Command2", "Exit", "Exit the program");
    Command1 = MakeButton(this, "Command1", "Calculate");
    Command1->setFont(ClassicFont(kLargePoints, true));

    Text6 = Named(new QLineEdit(this), "Text6");
    Text6->setFont(ClassicFont(kLargePoints, true));
    SetForeColour(Text6, kDarkBlue);
    Text4 = MakeInputBox(this, "Text4", kDarkBlue);
    Text3 = MakeInputBox(this, "Text3", kDarkBlue);
    Text2 = MakeInputBox(this, "Text2", kDarkBlue);
    Text1 = MakeInputBox(this, "Text1", kDarkBlue);

    Label11 = MakeLabel(this, "Label11", "TAS", kLargePoints);
    Label5 = MakeLabel(this, "Label5", "IAS", kLargePoints);
    Label18 = MakeLabel(this, "Label18", "Wind speed", kSmallPoints);
    Label17 = MakeLabel(this, "Label17", "Wind direction", kSmallPoints,
                        "The direction the wind comes from");
    Label16 = MakeLabel(this, "Label16", "Plane heading", kSmallPoints, "Wher you're going!)");
    Label15 = MakeLabel(this, "Label15", "Kts", kSmallPoints);
    Label14 = MakeLabel(this, "Label14", "Deg.", kSmallPoints);
    Label10 = MakeLabel(this, "Label10", "Deg.", kSmallPoints);
    Label13 = MakeLabel(this, "Label13", "Distance", kLargePoints);
    Label12 = MakeLabel(this, "Label12", "Nm", kLargePoints);
    Label9 = MakeLabel(this, "Label9", "Feet/min", kSmallPoints);
    Label8 = MakeLabel(this, "Label8", "Feet", kSmallPoints);
    Label7 = MakeLabel(this, "Label7", "Feet", kSmallPoints);
    Label4 = MakeLabel(this, "Label4", "Airspeed", kSmallPoints,
                       "Choose IAS ( Indicated AirSpeed ) or TAS ( True AirSpeed )");
    Label3 = MakeLabel(this, "Label3", "Vertical speed", kSmallPoints, "Your descent rate");
    Label2 = MakeLabel(this, "Label2", "Flying to", kSmallPoints, "Your desired altitude");
    Label1 = MakeLabel(this, "Label1", "Flying from", kSmallPoints,
                       "Your altitude starting the descent.");
    for (QLabel *greyed : {Label16, Label17, Label10, Label14})
        SetForeColour(greyed, kSysButtonShadow);
}

void Form1::PlaceControls(qreal logicalDpi)
{
    PlaceInTwips(
        {
            {VScroll5, 2249, 120, 135, 235},   {VScroll8, 5400, 915, 135, 235},
            {VScroll7, 5400, 525, 135, 235},   {VScroll6, 5400, 120, 135, 235},
            {VScroll4, 2249, 1320, 135, 235},  {VScroll3, 2249, 915, 135, 235},
            {VScroll2, 2249, 525, 135, 235},   {Command3, 4200, 2280, 1000, 375},
            {Text9, 4779, 915, 600, 285},      {Text8, 4779, 525, 600, 285},
            {Text7, 4779, 120, 600, 285},      {Option2, 3240, 1395, 255, 255},
            {Option1, 2449, 1395, 255, 255},   {Command2, 3120, 2280, 1000, 375},
            {Command1, 1149, 1725, 1245, 375}, {Text6, 1200, 2205, 1095, 375},
            {Text4, 1624, 1320, 600, 285},     {Text3, 1624, 915, 600, 285},
            {Text2, 1499, 525, 720, 285},      {Text1, 1499, 120, 720, 285},
            {Label11, 3499, 1400, 615, 255},   {Label5, 2699, 1400, 375, 255},
            {Label18, 3480, 1005, 1215, 255},  {Label17, 3480, 600, 1335, 255},
            {Label16, 3480, 195, 1335, 255},   {Label15, 5565, 1005, 495, 255},
            {Label14, 5565, 600, 375, 375},    {Label10, 5565, 195, 375, 255},
            {Label13, 120, 2325, 1005, 255},   {Label12, 2400, 2355, 375, 255},
            {Label9, 2445, 1005, 855, 195},    {Label8, 2445, 600, 375, 195},
            {Label7, 2445, 195, 375, 195},     {Label4, 120, 1395, 1005, 195},
            {Label3, 120, 1005, 1005, 195},    {Label2, 120, 600, 1005, 195},
            {Label1, 120, 195, 1005, 195},
        },
        logicalDpi);
    // A caption is never cut: where this font draws it wider than its
    // designed box ("Vertical speed"), the label grows to the right.
    for (QLabel *label : findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
    setFixedSize(TwipsToPixels(kClientWidthTwips, logicalDpi),
                 TwipsToPixels(kClientHeightTwips, logicalDpi));
}

void Form1::SetTabOrder()
{
    // By ascending tab index; labels take no focus, hidden spinners are skipped.
    QWidget *const order[] = {Text1,    Text2,    Text3,    Text4,    Text6,    Command1, Command2,
                              Option1,  Option2,  Text7,    Text8,    Text9,    Command3, VScroll2,
                              VScroll3, VScroll4, VScroll6, VScroll7, VScroll8, VScroll5};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::Connect()
{
    for (const SpinnerPair &pair : m_pairs) {
        connect(pair.spinner, &QAbstractSlider::valueChanged, this,
                [this, &pair] { SpinnerChange(pair); });
        connect(pair.box, &QLineEdit::textChanged, this, [this, &pair] { BoxChange(pair); });
    }
    connect(Command1, &QPushButton::clicked, this, &Form1::Calculate);
    // Exit ends the program at once; no further procedure runs.
    connect(Command2, &QPushButton::clicked, qApp, [] { QCoreApplication::exit(0); });
    connect(Command3, &QPushButton::clicked, this, [] { frmAbout::ShowAbout(); });
}

void Form1::DescribeControls()
{
    for (const SpinnerPair &pair : m_pairs) {
        const QString name = pair.caption->text() + ", " + QString::fromUtf8(pair.unit);
        for (QWidget *control :
             {static_cast<QWidget *>(pair.box), static_cast<QWidget *>(pair.spinner)}) {
            control->setAccessibleName(name);
            control->setAccessibleDescription(pair.caption->toolTip());
        }
        pair.spinner->SetBuddy(pair.box);
    }
    Text6->setAccessibleName(Label13->text());
}

void Form1::LoadStep()
{
    RunProcedure(this, [this] {
        for (const SpinnerPair &pair : m_pairs)
            WriteBox(pair);
    });
}

void Form1::SpinnerChange(const SpinnerPair &pair)
{
    RunProcedure(this, [this, &pair] {
        WriteBox(pair);
        if (pair.spinner == VScroll8)
            ApplyWindState();
    });
}

void Form1::BoxChange(const SpinnerPair &pair)
{
    RunProcedure(this, [this, &pair] { WriteBox(pair); });
}

void Form1::WriteBox(const SpinnerPair &pair)
{
    const auto value = static_cast<std::int16_t>(pair.spinner->value());
    pair.box->setText(QString::fromStdString(NumberToText(pair.rule(value))));
}

void Form1::ApplyWindState()
{
    // Read once: nothing between the writes changes the wind speed.
    const bool wind = VScroll8->value() < VScroll8->maximum();
    for (QLabel *label : {Label16, Label17, Label10, Label14})
        SetForeColour(label, wind ? kSysButtonText : kSysButtonShadow);
    for (QLineEdit *box : {Text7, Text8})
        SetForeColour(box, wind ? kDarkBlue : kWhite);
    for (Spinner *spinner : {VScroll6, VScroll7})
        spinner->setVisible(wind);
}

void Form1::Calculate()
{
    RunProcedure(this, [this] {
        const DescentInputs inputs{ReadSingle(Text1), ReadSingle(Text2),    ReadSingle(Text3),
                                   ReadSingle(Text4), ReadSingle(Text7),    ReadSingle(Text8),
                                   ReadSingle(Text9), Option1->isChecked(), Option2->isChecked()};
        Text6->setText(QString::fromStdString(DistanceText(ComputeDescentDistance(inputs))));
    });
}

} // namespace tavrel
