#include "board/TextRoom.h"
#include "board/Fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// A text longer than the one its control was drawn for: a smaller face
// first, then elided with the whole text in the tooltip, and everything as
// designed again once a text fits.
class TextRoomTest : public QObject {
    Q_OBJECT

    static constexpr double kPoints = 10;

    static std::unique_ptr<QWidget> control(const QString& kind) {
        std::unique_ptr<QWidget> w;
        if (kind == u"label") w = std::make_unique<QLabel>();
        if (kind == u"button") w = std::make_unique<QPushButton>();
        if (kind == u"option") w = std::make_unique<QRadioButton>();
        w->setFont(Fonts::font(Fonts::kArial, kPoints));
        w->setGeometry(0, 0, 120, 30);
        return w;
    }
    static QString textOf(const QWidget* w) {
        if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
        return static_cast<const QAbstractButton*>(w)->text();
    }
    static void show(QWidget* w, const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(text);
            TextRoom::fit(label);
        } else {
            auto* button = static_cast<QAbstractButton*>(w);
            button->setText(text);
            TextRoom::fit(button);
        }
    }
    // Words, as many as make the text `times` as wide as the room.
    static QString aboutAsWide(const QWidget* w, double times) {
        QString text = QStringLiteral("Wort");
        QFont face = w->font();
        while (TextRoom::widthOf(text, face) < times * TextRoom::room(w))
            text += QStringLiteral(" Wort");
        return text;
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }

    void aLongerTextGetsRoom_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"label", "button", "option"}) QTest::newRow(kind) << kind;
    }
    void aLongerTextGetsRoom() {
        QFETCH(QString, kind);
        const auto w = control(kind);
        const double smallest = TextRoom::smallestPoints(kPoints);

        // Fits: nothing changes.
        show(w.get(), QStringLiteral("Wort"));
        QCOMPARE(w->font().pointSizeF(), kPoints);
        QCOMPARE(textOf(w.get()), QStringLiteral("Wort"));
        QVERIFY(w->toolTip().isEmpty());

        // A little too wide: a smaller face, the whole text, no tooltip.
        const QString longer = aboutAsWide(w.get(), 1.1);
        show(w.get(), longer);
        QVERIFY(w->font().pointSizeF() < kPoints);
        QVERIFY(w->font().pointSizeF() >= smallest);
        QCOMPARE(textOf(w.get()), longer);
        QVERIFY(TextRoom::fits(longer, w->font(), TextRoom::room(w.get())));
        QVERIFY(w->toolTip().isEmpty());

        // Far too wide: the smallest face, elided, the whole text as tooltip.
        const QString longest = aboutAsWide(w.get(), 3);
        show(w.get(), longest);
        QCOMPARE(w->font().pointSizeF(), smallest);
        QVERIFY2(textOf(w.get()).endsWith(QChar(0x2026)), qPrintable(textOf(w.get())));
        QVERIFY(TextRoom::fits(textOf(w.get()), w->font(), TextRoom::room(w.get())));
        QCOMPARE(w->toolTip(), longest);
        // Fitted again, it stays as it is.
        show(w.get(), textOf(w.get()));
        QCOMPARE(w->toolTip(), longest);

        // Short again: as designed.
        show(w.get(), QStringLiteral("Wort"));
        QCOMPARE(w->font().pointSizeF(), kPoints);
        QCOMPARE(textOf(w.get()), QStringLiteral("Wort"));
        QVERIFY(w->toolTip().isEmpty());
    }

    // Buttons side by side share the face the longest caption needs.
    void buttonsTogetherShareOneFace() {
        QPushButton yes, no;
        for (QPushButton* b : {&yes, &no}) {
            b->setFont(Fonts::font(Fonts::kArial, kPoints));
            b->setGeometry(0, 0, 120, 30);
        }
        yes.setText(QStringLiteral("Ja"));
        no.setText(aboutAsWide(&no, 1.1));
        TextRoom::fit(QList<QAbstractButton*>{&yes, &no});
        QVERIFY(no.font().pointSizeF() < kPoints);
        QCOMPARE(yes.font().pointSizeF(), no.font().pointSizeF());
    }
};

QTEST_MAIN(TextRoomTest)
#include "TextRoomTest.moc"
