#ifndef WEBVIEWSUPPORT_H
#define WEBVIEWSUPPORT_H

// Whether this process can show embedded web pages. The embedded browser
// refuses to start for the root user while its sandbox is on, and when it
// refuses it ends the whole process; so for root without the browser's own
// sandbox switch the program goes without web views (no banner, and the
// social log-in reports a failure) instead of dying.
namespace WebViewSupport {

bool available();

} // namespace WebViewSupport

#endif
