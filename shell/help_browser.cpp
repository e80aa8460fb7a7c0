#include "shell/help_browser.h"

#include <QHelpEngineCore>
#include <QImage>
#include <QTextDocument>

namespace rillo {

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
    setObjectName("helpBrowser");
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != QLatin1String("qthelp")) return QTextBrowser::loadResource(type, url);
    const QByteArray data = engine_.fileData(url);
    if (type != QTextDocument::ImageResource) return data;
    // A wide screenshot is scaled down smoothly here; the page would scale it
    // pixel by pixel, which leaves its text ragged.
    QImage picture = QImage::fromData(data);
    if (picture.width() > kWidestPicture) picture = picture.scaledToWidth(kWidestPicture, Qt::SmoothTransformation);
    return picture;
}

}  // namespace rillo
