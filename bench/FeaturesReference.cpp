// The yardstick for the game's start-up time and memory: a program with the
// game's kinds of work and none of its code. It writes text in the game's
// fonts, draws an SVG picture, opens a SQLite store and reads a list from it,
// plays a sound stream through libpulse, and shows an MDI area with a child
// window and then a second top-level window, a modal dialog. It shows them in
// the game's order: the child window and the store before the main window,
// the dialog and its sound from the event loop once the main window is up.
// It reports its first frames the way the game does.

#include "FirstFrameReport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const QString kPicture = QStringLiteral(":/reference/picture.svg");

// Plays three seconds of a tone through the sound server, as the game plays
// a sound: a threaded main loop, a connection made in the background and a
// stream with a short buffer, refilled when the server asks.
class ToneStream {
public:
    ToneStream() {
        constexpr int kRate = 22050;
        samples_.resize(3 * kRate);
        for (size_t i = 0; i < samples_.size(); ++i)
            samples_[i] = int16_t(8000 * std::sin(2 * M_PI * 440 * double(i) / kRate));
    }
    ~ToneStream() {
        if (!loop_) return;
        pa_threaded_mainloop_stop(loop_);
        if (stream_) pa_stream_unref(stream_);
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_free(loop_);
    }
    ToneStream(const ToneStream&) = delete;
    ToneStream& operator=(const ToneStream&) = delete;

    void start() {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) return;
        pa_threaded_mainloop_lock(loop_);
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Reference");
        pa_context_set_state_callback(context_, contextChanged, this);
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        pa_threaded_mainloop_unlock(loop_);
    }

private:
    static void contextChanged(pa_context* context, void* self) {
        auto* tone = static_cast<ToneStream*>(self);
        if (pa_context_get_state(context) != PA_CONTEXT_READY || tone->stream_) return;
        const pa_sample_spec format{PA_SAMPLE_S16LE, 22050, 1};
        tone->stream_ = pa_stream_new(context, "Tone", &format, nullptr);
        pa_stream_set_write_callback(tone->stream_, wants, self);
        pa_buffer_attr buffer{uint32_t(-1), uint32_t(pa_usec_to_bytes(80'000, &format)), 2,
                              uint32_t(-1), uint32_t(-1)};
        pa_stream_connect_playback(tone->stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                   nullptr, nullptr);
    }
    static void wants(pa_stream* stream, size_t bytes, void* self) {
        auto* tone = static_cast<ToneStream*>(self);
        const size_t frames = std::min(bytes / 2, tone->samples_.size() - tone->position_);
        if (frames == 0) return;
        pa_stream_write(stream, tone->samples_.data() + tone->position_, frames * 2, nullptr, 0,
                        PA_SEEK_RELATIVE);
        tone->position_ += frames;
    }

    std::vector<int16_t> samples_;
    size_t position_ = 0;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
};

// A list of ten entries kept in a SQLite file in the data folder, made on
// the first run; returns the table that shows it.
QTableWidget* storedList() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    QSqlDatabase store = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    store.setDatabaseName(folder + QStringLiteral("/reference.sqlite"));
    auto* table = new QTableWidget(10, 3);
    if (!store.open()) return table;
    QSqlQuery query(store);
    if (query.exec(
            QStringLiteral("CREATE TABLE entries (rank INTEGER, name TEXT, points INTEGER)")))
        for (int i = 1; i <= 10; ++i)
            query.exec(QStringLiteral("INSERT INTO entries VALUES (%1, 'Entry %1', %2)")
                           .arg(i)
                           .arg(300 - 10 * i));
    query.exec(QStringLiteral("SELECT rank, name, points FROM entries ORDER BY rank"));
    for (int row = 0; query.next() && row < 10; ++row)
        for (int column = 0; column < 3; ++column)
            table->setItem(row, column, new QTableWidgetItem(query.value(column).toString()));
    return table;
}

QFont gameFont(const QString& family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif, QFont::PreferMatch);
    return font;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FeaturesReference"));
    QApplication::setOrganizationName(QStringLiteral("Vorka bench"));
    QApplication::setWindowIcon(QIcon(kPicture));
    // The game's fonts are found the same way: designed families mapped to
    // the installed look-alikes.
    QFont::insertSubstitutions(QStringLiteral("Arial Rounded MT Bold"),
                               {QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Impact"), {QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});

    QMainWindow window;
    window.setObjectName(QStringLiteral("FeaturesReference"));
    window.setWindowTitle(QStringLiteral("Reference"));
    auto* toolbar = window.addToolBar(QStringLiteral("Commands"));
    for (const char* name : {"New", "Open", "Save", "Help"})
        toolbar->addAction(QIcon(kPicture), QString::fromLatin1(name));
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(558, 445);
    FirstFrameReport::installIfRequested(window);

    ToneStream tone;
    QTimer::singleShot(0, &window, [&] {
        QTableWidget* list = storedList();
        list->setFont(gameFont(QStringLiteral("Arial"), 9));
        list->horizontalHeader()->setFont(gameFont(QStringLiteral("Impact"), 10));
        QMdiSubWindow* child = area->addSubWindow(list, Qt::SubWindow | Qt::Tool);
        child->setWindowTitle(QStringLiteral("List"));
        child->resize(300, 280);
        child->show();

        window.show();
        QCoreApplication::processEvents();

        QDialog dialog(&window);
        dialog.setObjectName(QStringLiteral("FeaturesReferenceDialog"));
        dialog.setWindowTitle(QStringLiteral("Welcome"));
        auto* layout = new QVBoxLayout(&dialog);
        auto* picture = new QLabel;
        picture->setPixmap(QIcon(kPicture).pixmap(96, 96));
        layout->addWidget(picture);
        auto* text = new QLabel(QStringLiteral("Welcome to the reference.\nHow many play?"));
        text->setFont(gameFont(QStringLiteral("Arial Rounded MT Bold"), 12, true));
        layout->addWidget(text);
        auto* button = new QPushButton(QStringLiteral("OK  "));
        button->setFont(gameFont(QStringLiteral("Arial"), 10, true));
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
        layout->addWidget(button);
        tone.start();
        dialog.exec();
        QCoreApplication::quit();
    });
    return app.exec();
}
