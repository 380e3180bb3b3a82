#pragma once

#include <QColor>
#include <QLocale>
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;

// The help's own pages are compiled in under this folder; the contents page
// is the one the HELP command opens. The same pages in another language are
// in a folder of their own inside it, named after the language (":/help/de/"),
// and share the English pages' style sheet and pictures.
inline const QString kHelpFolder = QStringLiteral(":/help/");
inline const QString kHelpContents = QStringLiteral(":/help/index.html");

namespace Help {

// The URL a browser uses for a help file given as a resource path
// (":/help/index.html" gives qrc:/help/index.html). A relative name is taken
// inside the help's folder, an absolute path as a local file, anything else
// as the URL it spells.
QUrl urlOf(const QString& helpFile);

// The resource path behind `url` if it lies inside the help's own pages or
// its pictures (":/help/...", ":/pictures/..."); empty for anything else:
// local files, the network, other resources.
QString readablePath(const QUrl& url);

// True for a page of the help itself (an HTML file under :/help/).
bool isHelpPage(const QUrl& url);

// The folder of the help's pages in `language` (":/help/de/"); the English
// pages' folder for an empty language and for one the help is not written in.
QString folderFor(const QString& language);

// The page a player of `locale` reads for `url`: an English page of the help
// becomes the same page, with the same anchor, in the folder of the
// language the game speaks for `locale` (Translations::languageFor), when
// that page is there. Anything else comes back as it is.
QUrl localized(const QUrl& url, const QLocale& locale = QLocale());

// The page shown in place of a help file that cannot be found.
QString missingPageHtml(const QString& helpFile);

} // namespace Help

// A text browser that reads nothing but the help's own resources. Pages it
// cannot find come back as a short page that names them; it never opens a
// local file or the network, whatever a link asks for.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QUrl base_; // the page being shown; relative names resolve against it
};

// The program's own help window: a browser over the help pages with Back,
// Forward and Contents buttons. It is not modal; the game goes on while it
// is open.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // The pages' ground and text, as help.css gives them to body.
    static inline const QColor kPageGround = QColor(0xff, 0xfd, 0xf4);
    static inline const QColor kPageText = QColor(0x2b, 0x26, 0x22);
    // In English; the window shows it translated.
    static inline const QString kRefusedLinkText =
        QStringLiteral(QT_TR_NOOP("That link leads outside Vorka's help, so it is not opened."));

    explicit HelpViewer(QWidget* parent = nullptr);

    HelpBrowser* Browser;
    QPushButton* BackButton;
    QPushButton* ForwardButton;
    QPushButton* ContentsButton;
    QLabel* StatusLabel; // says why a link was not followed

    // Shows the help file (a resource path, optionally with "#anchor"), in
    // the player's language when the help is written in it (QLocale(), the
    // system's unless the program sets another). A file that does not exist
    // is reported on the page itself.
    void showPage(const QString& helpFile);
    // The page shown, as a resource URL (qrc:/help/...).
    QUrl currentPage() const { return Browser->source(); }

private slots:
    void followLink(const QUrl& url);
    void showContents();
};

// Opens the help window `viewer` at `helpFile`, creating it first when there
// is none (as a window of its own, owned by `parent`). Returns it.
HelpViewer* showHelp(QPointer<HelpViewer>& viewer, QWidget* parent,
                     const QString& helpFile = kHelpContents);
