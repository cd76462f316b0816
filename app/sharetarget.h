#ifndef SHARETARGET_H
#define SHARETARGET_H

#include <QString>
#include <QUrl>

#include <functional>

// Where the share commands send the user: a social network's share page,
// opened in the web browser. The report's share control and the main
// window's share command open the feed dialog; the title bar's share button
// opens the share page of the interface language's network (Sina Weibo in
// Chinese, the feed dialog otherwise).
class ShareTarget
{
public:
    // Opens an address; the default is the system's web browser.
    using Opener = std::function<void(const QUrl &)>;

    // The feed dialog with the program's link, picture, name and description.
    static QUrl feedAddress();
    // Sina Weibo's share page with the same name and link.
    static QUrl sinaAddress();
    // The title bar's choice for an interface language ("zh-CN" or another).
    static QUrl addressFor(const QString &language);

    static void open(const QUrl &address);
    // The title bar's share: logs the share event and opens the page of the
    // interface language's network.
    static void shareInInterfaceLanguage();
    // Replaces the browser (tests observe the address); an empty opener
    // puts the browser back.
    static void setOpener(Opener opener);

private:
    static Opener &opener();
};

#endif
