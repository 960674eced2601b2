// Form1: the main window of Tavrel.
//
// The program has three layers. tavrel_core (common/, calc/) is plain C++ with
// no Qt: number conversions, checked 16-bit arithmetic and the descent
// computation. Form1 owns the controls of the main window; every value lives in
// a control (a spinner's value, a box's text, the option selection), and the
// event procedures stay thin: read controls, call the core, write controls. An
// error raised inside a procedure is shown in a message box and the procedure
// abandoned; the program keeps running.
//
// Each input box is paired with a spinner whose value is the only source of
// the input: one table of the seven pairs, and one procedure for each occasion
// a box is written (the load step, a spinner change, a change of the box's own
// text, which undoes any edit at once). A write of a box's text runs the box's
// change procedure nested inside it; a write of the text the box already holds
// raises nothing, which ends every chain after one nested call.
//
// Controls keep their historical names (Text1, VScroll5, Label16, ...) as
// object names, so that users' notes and the tests can refer to them.
#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrel {

class Spinner;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Click of Command1: reads the seven boxes and the airspeed kind, writes
    // the distance text into Text6.
    void Calculate();

private:
    struct SpinnerPair
    {
        QLineEdit *box;
        Spinner *spinner;
        double (*rule)(std::int16_t value); // box value from spinner value
        QLabel *caption;
        const char *unit; // spoken after the caption by screen readers
    };

    void CreateControls();
    void PlaceControls(qreal logicalDpi);
    void SetTabOrder();
    void Connect();
    // Names and descriptions that screen readers speak for the boxes and spinners.
    void DescribeControls();

    // Fills the seven boxes from their spinners; leaves the wind look as created.
    void LoadStep();
    // Change of a spinner: writes its box; for the wind speed, then the wind look.
    void SpinnerChange(const SpinnerPair &pair);
    // Change of a box's text, by the user or by a write: writes the spinner's text back.
    void BoxChange(const SpinnerPair &pair);
    void WriteBox(const SpinnerPair &pair);
    // Heading and wind-direction rows: normal with wind, greyed without.
    void ApplyWindState();

    // Input boxes and their spinners.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text7, *Text8, *Text9;
    Spinner *VScroll5, *VScroll2, *VScroll3, *VScroll4, *VScroll6, *VScroll7, *VScroll8;
    // Result box.
    QLineEdit *Text6;
    // Airspeed kind: indicated or true.
    QRadioButton *Option1, *Option2;
    // Calculate, Exit, About.
    QPushButton *Command1, *Command2, *Command3;
    // Captions and units.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label7, *Label8, *Label9, *Label10,
        *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18;

    // The seven pairs, in the order the load step fills them.
    std::array<SpinnerPair, 7> m_pairs;
};

} // namespace tavrel
