#include "ui/HelpViewer.h"

#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const QString kResourceScheme = QStringLiteral("qrc");
const QStringList kReadableFolders = {QStringLiteral("/help/"), QStringLiteral("/pictures/")};

// A name as the player would recognise it: resource URLs in their ":/..."
// form, anything else as written.
QString displayName(const QUrl& url) {
    if (url.scheme() == kResourceScheme) return QLatin1Char(':') + url.path();
    if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    return url.toDisplayString(QUrl::RemoveFragment);
}

} // namespace

namespace Help {

QUrl urlOf(const QString& helpFile) {
    if (helpFile.startsWith(QStringLiteral(":/"))) return QUrl(kResourceScheme + helpFile);
    if (QDir::isAbsolutePath(helpFile)) return QUrl::fromLocalFile(helpFile);
    const QUrl url(helpFile);
    return url.isRelative() ? QUrl(kResourceScheme + kHelpFolder).resolved(url) : url;
}

QString readablePath(const QUrl& url) {
    if (url.scheme() != kResourceScheme || !url.host().isEmpty()) return {};
    const QString path = QDir::cleanPath(url.path());
    for (const QString& folder : kReadableFolders)
        if (path.startsWith(folder) && path.size() > folder.size()) return QLatin1Char(':') + path;
    return {};
}

bool isHelpPage(const QUrl& url) {
    const QString path = readablePath(url);
    return path.startsWith(kHelpFolder) &&
           path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive);
}

QString folderFor(const QString& language) {
    if (language.isEmpty()) return kHelpFolder;
    const QString folder = kHelpFolder + language + QLatin1Char('/');
    return QFile::exists(folder + QStringLiteral("index.html")) ? folder : kHelpFolder;
}

QUrl localized(const QUrl& url, const QLocale& locale) {
    const QString path = readablePath(url);
    if (!path.startsWith(kHelpFolder)) return url;
    const QString name = path.mid(kHelpFolder.size());
    if (name.contains(QLatin1Char('/'))) return url; // already in a language's folder
    const QString folder = folderFor(Translations::languageFor(locale));
    if (folder == kHelpFolder || !QFile::exists(folder + name)) return url;
    QUrl translated = url;
    translated.setPath(folder.mid(1) + name);
    return translated;
}

QString missingPageHtml(const QString& helpFile) {
    const QString title =
        QCoreApplication::translate("HelpViewer", "Page not found").toHtmlEscaped();
    //: On the help window's page for a missing page; %1 is the page's file name.
    const QString missing =
        QCoreApplication::translate("HelpViewer", "The help page \"%1\" could not be found.")
            .toHtmlEscaped()
            .arg(helpFile.toHtmlEscaped());
    //: "Contents" is the caption of the help window's button, without its "&".
    const QString back = QCoreApplication::translate(
                             "HelpViewer", "Press Contents to go back to the list of help topics. "
                                           "The game itself is not affected.")
                             .toHtmlEscaped();
    return QStringLiteral("<html><head><title>%1</title>"
                          "<link rel=\"stylesheet\" type=\"text/css\" href=\"qrc:/help/help.css\">"
                          "</head><body><h1>%1</h1>"
                          "<p>%2</p>"
                          "<p>%3</p></body></html>")
        .arg(title, missing, back);
}

} // namespace Help

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed by the viewer, which checks where they lead first.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    QUrl url = name;
    if (url.scheme().isEmpty() && url.path().startsWith(QStringLiteral(":/")))
        url = QUrl(kResourceScheme + url.path()); // ":/..." is no valid URL by itself
    else if (url.isRelative())
        url = (base_.isValid() ? base_ : source()).resolved(url);

    const QString path = Help::readablePath(url);
    if (type == QTextDocument::HtmlResource) {
        base_ = url;
        QFile page(path);
        if (!Help::isHelpPage(url) || !page.open(QIODevice::ReadOnly))
            return Help::missingPageHtml(displayName(url));
        return QString::fromUtf8(page.readAll());
    }
    if (path.isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Vorka Help"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/vorka.svg")));
    // The help never keeps the program running once the main window is gone.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(700, 620);

    //: Help window button: the page before. Pick an access letter unique in this window.
    BackButton = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"), this);
    BackButton->setObjectName(QStringLiteral("BackButton"));
    //: Help window button. Pick an access letter unique in this window.
    ForwardButton =
        new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"), this);
    ForwardButton->setObjectName(QStringLiteral("ForwardButton"));
    //: Help window button: back to the list of topics. Pick an access letter unique in this window.
    ContentsButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Contents"), this);
    ContentsButton->setObjectName(QStringLiteral("ContentsButton"));
    for (QPushButton* button : {BackButton, ForwardButton, ContentsButton})
        button->setAutoDefault(false);
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);

    Browser = new HelpBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    // The pages paint their own light ground (help.css); what the browser
    // draws from the palette itself, list bullets and the margin round the
    // page, takes the same colours, so that a dark desktop scheme leaves
    // nothing light on light.
    QPalette page = Browser->palette();
    page.setColor(QPalette::Base, kPageGround);
    page.setColor(QPalette::Text, kPageText);
    Browser->setPalette(page);

    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    StatusLabel->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BackButton);
    buttons->addWidget(ForwardButton);
    buttons->addWidget(ContentsButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser, 1);
    layout->addWidget(StatusLabel);

    connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(ContentsButton, &QPushButton::clicked, this, &HelpViewer::showContents);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(Browser, &QTextBrowser::sourceChanged, StatusLabel, &QWidget::hide);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void HelpViewer::showPage(const QString& helpFile) {
    Browser->setSource(Help::localized(Help::urlOf(helpFile)), QTextDocument::HtmlResource);
}

void HelpViewer::followLink(const QUrl& url) {
    const QUrl target = Browser->source().resolved(url);
    if (!Help::isHelpPage(target)) {
        StatusLabel->setText(tr(kRefusedLinkText.toUtf8().constData()));
        StatusLabel->show();
        return;
    }
    Browser->setSource(target, QTextDocument::HtmlResource);
}

void HelpViewer::showContents() {
    showPage(kHelpContents);
}

HelpViewer* showHelp(QPointer<HelpViewer>& viewer, QWidget* parent, const QString& helpFile) {
    if (!viewer) viewer = new HelpViewer(parent);
    viewer->showPage(helpFile);
    if (viewer->isMinimized())
        viewer->showNormal();
    else
        viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}
