#include "FirstFrameReport.h"

#include <QLabel>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

#include <unistd.h>

namespace {

// Collects what is written to the standard error while it lives.
class CapturedStderr {
public:
    CapturedStderr() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~CapturedStderr() { restore(); }

    QStringList lines() {
        restore();
        file_.seek(0);
        return QString::fromUtf8(file_.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }

    QTemporaryFile file_;
    int saved_ = -1;
};

// Shows the window and lets it paint.
void showAndPaint(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    QCoreApplication::processEvents();
}

} // namespace

class FirstFrameReportTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        qunsetenv(FirstFrameReport::kReportVariable);
        qunsetenv(FirstFrameReport::kQuitVariable);
    }

    // The game says nothing unless it is asked to, whatever else is set.
    void silentUnlessAsked_data() {
        QTest::addColumn<QByteArray>("report");
        QTest::newRow("unset") << QByteArray();
        QTest::newRow("zero") << QByteArray("0");
        QTest::newRow("yes") << QByteArray("yes");
    }
    void silentUnlessAsked() {
        QFETCH(QByteArray, report);
        if (!report.isNull()) qputenv(FirstFrameReport::kReportVariable, report);
        qputenv(FirstFrameReport::kQuitVariable, "1"); // must not end the test either
        QWidget window;
        window.setObjectName(QStringLiteral("Quiet"));
        CapturedStderr captured;
        QCOMPARE(FirstFrameReport::installIfRequested(window), nullptr);
        showAndPaint(window);
        QVERIFY(captured.lines().isEmpty());
    }

    // One line for each window, at its first paint or that of anything in it,
    // named after the window, with a time from the monotonic clock.
    void oneLinePerWindow() {
        qputenv(FirstFrameReport::kReportVariable, "1");
        QWidget main;
        main.setObjectName(QStringLiteral("MainWindow"));
        auto* label = new QLabel(QStringLiteral("text"), &main);
        QWidget other; // no name: its class names it
        CapturedStderr captured;
        const long long before = FirstFrameReport::monotonicNanoseconds();
        std::unique_ptr<FirstFrameReport> report(FirstFrameReport::installIfRequested(main));
        QVERIFY(report);

        showAndPaint(main);
        label->repaint();
        showAndPaint(other);
        main.repaint();
        const long long after = FirstFrameReport::monotonicNanoseconds();

        const QStringList lines = captured.lines();
        QCOMPARE(lines.size(), 2);
        const QStringList first = lines[0].split(u' ');
        QCOMPARE(first.mid(0, 3), (QStringList{"first", "frame", "MainWindow"}));
        QCOMPARE(lines[1].section(u' ', 0, 2), QStringLiteral("first frame QWidget"));
        const long long at = first.value(3).toLongLong();
        QVERIFY(at >= before && at <= after);
    }
};

QTEST_MAIN(FirstFrameReportTest)
#include "FirstFrameReportTest.moc"
