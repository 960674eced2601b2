// Form1's procedures over a fake main window: the write-back chains whatever
// the toolkit reports of a write, the spinner rules, the wind states, what
// "Calculate" reads and writes, and errors shown with the program going on.
#include "../about/fake_platform.h"
#include "../rows.h"
#include "about/frm_about.h"
#include "main_window/form1.h"

using namespace tavrel;
using namespace tavrel::testing;

namespace {

// What the toolkit reports when a procedure writes a box's text.
enum class Reports { Nothing, Differences, EveryWrite };

// Plain values for the controls. Each spinner read and each box write is
// logged: every box or spinner change procedure reads its spinner once, so
// the log shows the procedures that ran.
class FakeWindow : public Form1Controls
{
public:
    struct Control
    {
        std::string text;
        std::int16_t value;
        ColourValue colour;
        bool visible;
    };

    explicit FakeWindow(Reports reports = Reports::Differences, bool load = true)
        : m_reports(reports),
          m_about([](frmAbout &) -> AboutControls & { std::abort(); }, m_platform),
          form(*this, m_about)
    {
        for (int i = 0; i < kForm1ControlCount; ++i) {
            const ControlDesign &d = DesignOf(Form1Control(i));
            m_controls[i] = {"", std::int16_t(d.spinner.value), d.foreColour, d.visible};
        }
        if (load)
            form.Load();
        log.clear();
    }

    std::string Text(Form1Control box) const override { return At(box).text; }
    void SetText(Form1Control box, const std::string &text) override
    {
        const bool differs = std::exchange(At(box).text, text) != text;
        log << DesignOf(box).name + ("=" + QString::fromStdString(text));
        if (m_reports == Reports::EveryWrite || (m_reports == Reports::Differences && differs))
            Report(box);
    }
    std::int16_t Value(Form1Control spinner) const override
    {
        log << DesignOf(spinner).name + QString("?");
        return At(spinner).value;
    }
    void SetVisible(Form1Control spinner, bool shown) override { At(spinner).visible = shown; }
    void SetForeColour(Form1Control control, ColourValue colour) override
    {
        At(control).colour = colour;
    }
    bool Selected(Form1Control option) const override { return option == selected; }
    void ShowMessage(const std::string &text) override { messages << QString::fromStdString(text); }
    void End() override {}

    Control &operator[](const QString &name) const
    {
        int i = 0;
        while (name != QLatin1String(DesignOf(Form1Control(i)).name))
            ++i;
        return At(Form1Control(i));
    }
    // "VScroll5=13500 Text2=12 TAS Calculate": the user moves spinners, edits
    // boxes (which every toolkit reports), picks an option, presses a button.
    // "Text3:=0" sets a text with no report, as no spinner could.
    void Do(const QString &actions)
    {
        for (const QString &action : actions.split(' ', Qt::SkipEmptyParts)) {
            if (action == "TAS" || action == "Calculate") {
                action == "TAS" ? void(selected = Form1Control::Option2)
                                : form.Click(Form1Control::Command1);
                continue;
            }
            const QString name = action.section(QRegularExpression(":?="), 0, 0);
            Control &control = (*this)[name];
            if (name.startsWith("VScroll"))
                control.value = std::int16_t(action.section('=', 1).toInt());
            else
                control.text = action.section('=', 1).toStdString();
            if (!action.contains(":="))
                Report(Form1Control(&control - m_controls));
        }
    }
    QString Texts(const QString &boxes) const
    {
        QStringList texts;
        for (const QString &box : boxes.split(' '))
            texts << QString::fromStdString((*this)[box].text);
        return texts.join(' ');
    }

    Form1Control selected = Form1Control::Option1;
    mutable QStringList log;
    QStringList messages;

private:
    Control &At(Form1Control control) const { return m_controls[int(control)]; }
    void Report(Form1Control control)
    {
        if (++m_depth > 3) // a chain that never ends
            qFatal("change procedures nested %d deep", m_depth);
        form.Change(control);
        --m_depth;
    }

    mutable Control m_controls[kForm1ControlCount];
    Reports m_reports;
    int m_depth = 0;
    FakePlatform m_platform;
    frmAbout m_about;

public:
    Form1 form;
};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void chains_data()
    {
        QTest::addColumn<QString>("actions"); // none: the load step
        QTest::addColumn<QString>("log");
        Row("load step: each box written once, in order", "",
            "VScroll5? Text1=30000 VScroll5? VScroll2? Text2=3000 VScroll2? VScroll3? Text3=1800 "
            "VScroll3? VScroll4? Text4=250 VScroll4? VScroll7? Text8=360 VScroll7? VScroll8? "
            "Text9=0 VScroll8? VScroll6? Text7=360 VScroll6?");
        Row("arrow click", "VScroll2=22900", "VScroll2? Text2=3100 VScroll2?");
        Row("wind speed, then the wind state", "VScroll8=198",
            "VScroll8? Text9=1 VScroll8? VScroll8?");
        Row("typed key undone", "Text2=30007", "VScroll2? Text2=3000 VScroll2?");
        Row("greyed box emptied", "Text8=", "VScroll7? Text8=360 VScroll7?");
        Row("same text pasted over itself", "Text3=1800", "VScroll3?");
        Row("Text6 has no procedure", "Text6=note", "");
    }
    void chains()
    {
        QFETCH(QString, actions);
        QFETCH(QString, log);
        for (const auto reports : {Reports::Nothing, Reports::Differences, Reports::EveryWrite}) {
            FakeWindow window(reports, !actions.isEmpty());
            if (actions.isEmpty())
                window.form.Load();
            window.Do(actions);
            QCOMPARE(window.log.join(' '), log);
        }
    }

    void procedures_data()
    {
        // The box values at the ends of the spinners' ranges; the look of the
        // heading and wind-direction rows (caption and unit colours, box
        // colours, spinners shown); "Calculate" with the known results (inputs
        // A to G in the row names) and errors shown, the procedure abandoned.
        QTest::addColumn<QString>("actions"); // VScroll8 at its Max is 0 kt
        QTest::addColumn<QString>("texts");   // Text1 2 3 4 7 8 9, then Text6
        QTest::addColumn<QString>("look");
        QTest::addColumn<QString>("messages");
        const QString noWind = "80000010 80000010 80000010 80000010 ffffff ffffff 0 0";
        const QString wind = "80000012 80000012 80000012 80000012 c00000 c00000 1 1";
        Row("start: the design's look is the no-wind state", "", "30000 3000 1800 250 360 360 0|",
            noWind, "");
        Row("one click up, one down, 1 kt", "VScroll5=15950 VScroll2=23100 VScroll8=198",
            "30100 2900 1800 250 360 360 1|", wind, "");
        Row("every spinner at its Min",
            "VScroll5=0 VScroll2=0 VScroll3=100 VScroll4=0 VScroll6=0 VScroll8=0",
            "62000 26000 10000 850 360 360 199|", wind, "");
        Row("every spinner at its Max",
            "VScroll5=30000 VScroll2=26000 VScroll3=10000 VScroll4=800 VScroll6=359 "
            "VScroll7=359 VScroll8=199",
            "2000 0 100 50 1 1 0|", noWind, "");
        Row("heading 90 kept while greyed", "VScroll8=189 VScroll6=270 VScroll8=199",
            "30000 3000 1800 250 90 360 0|", noWind, "");
        Row("Text6 kept until Calculate: 30000 3000 1800 250 IAS", "Text6=note Calculate",
            "30000 3000 1800 250 360 360 0| 81.7", noWind, "");
        Row("TAS", "TAS Calculate", "30000 3000 1800 250 360 360 0| 62.5", noWind, "");
        // Heading and wind direction swapped would give a plain tail wind: " 80".
        Row("35000 3000 2000 250 90 270 50, TAS",
            "VScroll5=13500 VScroll3=8100 VScroll6=270 VScroll7=90 VScroll8=149 TAS Calculate",
            "35000 3000 2000 250 90 270 50| 79.9", wind, "");
        Row("vertical speed 0", "Text6=note Text3:=0 Calculate", "30000 3000 0 250 360 360 0|note",
            noWind, "Division by zero");
        Row("VScroll5 beyond 16 bits: Text1 kept", "VScroll5=-32768 Calculate",
            "30000 3000 1800 250 360 360 0| 81.7", noWind, "Overflow");
        Row("VScroll3 at -22668: the + 100 overflows", "VScroll3=-22668",
            "30000 3000 1800 250 360 360 0|", noWind, "Overflow");
    }
    void procedures()
    {
        QFETCH(QString, actions);
        QFETCH(QString, texts);
        QFETCH(QString, look);
        QFETCH(QString, messages);
        FakeWindow window;
        window.Do(actions);
        QCOMPARE(window.Texts("Text1 Text2 Text3 Text4 Text7 Text8 Text9") + "|" +
                     window.Texts("Text6"),
                 texts);
        QString shown;
        for (const char *name : {"Label16", "Label17", "Label10", "Label14", "Text7", "Text8"})
            shown += QString::number(window[name].colour, 16) + ' ';
        QCOMPARE(
            shown +
                QString("%1 %2").arg(window["VScroll6"].visible).arg(window["VScroll7"].visible),
            look);
        QCOMPARE(window.messages.join(' '), messages);
    }
};

QTEST_APPLESS_MAIN(TestForm1)
#include "tst_form1.moc"
