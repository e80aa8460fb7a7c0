#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace rillo {

// Shows the pages of the user guide: every page, picture and style sheet is
// read from the help engine. Links are not followed here; the help window
// decides where each one goes.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
   public:
    HelpBrowser(QHelpEngineCore& engine, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

    // Pictures wider than this, in pixels, are shown scaled down to it, so
    // that a page fits the help window at its first size.
    static constexpr int kWidestPicture = 720;

   private:
    QHelpEngineCore& engine_;
};

}  // namespace rillo
