#ifndef PROXYPANEL_H
#define PROXYPANEL_H

#include "preferences.h"

#include <QHash>
#include <QNetworkProxy>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace GammaLib {
class NetworkHelper;
}

// The proxy fields shared by the settings dialog and the sign-in dialog:
// the kind, server, port, user name, password and domain, the connection
// test, and a working copy that keeps what was typed for each kind while the
// user switches between them. Nothing is stored until save().
class ProxyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ProxyPanel(QWidget *parent = nullptr);

    // Loads the working copy and the fields from the preferences.
    void load();
    // Stores the kind and the working copy, saves the file and installs the
    // proxy, and returns the kind stored ("No proxy" when the server is
    // empty). Does nothing and returns -1 when the panel was never loaded, so
    // stored settings are not replaced by empty fields.
    int save();

    QComboBox *typeBox() const { return m_type; }
    QLineEdit *serverField() const { return m_server; }
    QLineEdit *portField() const { return m_port; }
    QLineEdit *userField() const { return m_user; }
    QLineEdit *passwordField() const { return m_password; }
    QLineEdit *domainField() const { return m_domain; }
    QPushButton *testButton() const { return m_testButton; }
    QLabel *resultLabel() const { return m_result; }
    QNetworkProxy proxyUnderTest() const { return m_tested; }

public slots:
    void slotProxyTypeChanged(int index);
    void slotTestProxy();
    void slotCheckProxyFinished(int nCode);
    void slotProxyServerTextChanged();
    void slotRecoverTip();

private:
    void storeVisibleFields(int type);
    void fillFields(int type);
    void updateFieldStates();

    QComboBox *m_type = nullptr;
    QLineEdit *m_server = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_domain = nullptr;
    QPushButton *m_testButton = nullptr;
    QLabel *m_result = nullptr;
    GammaLib::NetworkHelper *m_network = nullptr;
    QHash<int, Preferences::ProxyEndpoint> m_copy; // stored fields per kind
    int m_shownType = 0;
    bool m_loaded = false;
    QNetworkProxy m_tested;
};

#endif
