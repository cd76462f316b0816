#include "proxypanel.h"

#include "networkhelper.h"
#include "proxysettings.h"
#include "serviceaddresses.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using GammaLib::ProxySettings;

namespace {

bool hasFields(int type)
{
    return type == ProxySettings::Http || type == ProxySettings::Socks5;
}

} // namespace

ProxyPanel::ProxyPanel(QWidget *parent)
    : QWidget(parent)
    , m_network(new GammaLib::NetworkHelper(this))
{
    auto *form = new QFormLayout(this);
    m_type = new QComboBox(this);
    m_type->addItems({tr("No proxy"), QStringLiteral("HTTP"), QStringLiteral("SOCKS5"), tr("Browser built-in proxy")});
    form->addRow(tr("Proxy type"), m_type);
    m_server = new QLineEdit(this);
    m_port = new QLineEdit(this);
    m_user = new QLineEdit(this);
    m_password = new QLineEdit(this);
    m_password->setEchoMode(QLineEdit::Password);
    m_domain = new QLineEdit(this);
    form->addRow(tr("Server"), m_server);
    form->addRow(tr("Port"), m_port);
    form->addRow(tr("Username"), m_user);
    form->addRow(tr("Password"), m_password);
    form->addRow(tr("Domain"), m_domain);
    auto *testRow = new QHBoxLayout;
    m_testButton = new QPushButton(tr("Check proxy settings"), this);
    m_result = new QLabel(this);
    m_result->hide();
    testRow->addWidget(m_testButton);
    testRow->addWidget(m_result, 1);
    form->addRow(testRow);

    connect(m_type, qOverload<int>(&QComboBox::currentIndexChanged), this, &ProxyPanel::slotProxyTypeChanged);
    connect(m_testButton, &QPushButton::clicked, this, &ProxyPanel::slotTestProxy);
    connect(m_server, &QLineEdit::textChanged, this, &ProxyPanel::slotProxyServerTextChanged);
    for (QLineEdit *field : {m_server, m_port, m_user, m_password, m_domain})
        connect(field, &QLineEdit::textEdited, this, &ProxyPanel::slotRecoverTip);
    connect(m_network, &GammaLib::NetworkHelper::signalCheckHttpFinished, this, &ProxyPanel::slotCheckProxyFinished);
    updateFieldStates();
    slotProxyServerTextChanged();
}

void ProxyPanel::load()
{
    const Preferences preferences;
    m_copy.clear();
    for (int type : {int(ProxySettings::Http), int(ProxySettings::Socks5)})
        m_copy.insert(type, preferences.proxyEndpoint(type));
    bool ok = false;
    int type = preferences.proxyType(&ok);
    if (!ok || type < ProxySettings::NoProxy || type > ProxySettings::System)
        type = ProxySettings::NoProxy;
    {
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(type);
    }
    m_shownType = type;
    fillFields(type);
    updateFieldStates();
    m_result->hide();
    m_loaded = true;
}

int ProxyPanel::save()
{
    if (!m_loaded)
        return -1;
    Preferences preferences;
    const int type = m_type->currentIndex();
    const bool none = m_server->text().trimmed().isEmpty() && type != ProxySettings::System;
    const int stored = none ? int(ProxySettings::NoProxy) : type;
    preferences.setProxyType(stored);
    storeVisibleFields(type);
    for (auto entry = m_copy.cbegin(); entry != m_copy.cend(); ++entry)
        preferences.setProxyEndpoint(entry.key(), entry.value());
    preferences.save();
    ProxySettings::applyProxy(preferences.store());
    return stored;
}

void ProxyPanel::storeVisibleFields(int type)
{
    if (!hasFields(type) || m_server->text().trimmed().isEmpty())
        return;
    m_copy.insert(type, {m_server->text().trimmed(), m_port->text().trimmed(), m_user->text().trimmed(),
                         m_password->text().trimmed(),
                         type == ProxySettings::Http ? m_domain->text().trimmed() : QString()});
}

void ProxyPanel::fillFields(int type)
{
    const QList<QLineEdit *> fields{m_server, m_port, m_user, m_password, m_domain};
    const Preferences::ProxyEndpoint stored = hasFields(type) ? m_copy.value(type) : Preferences::ProxyEndpoint();
    const QStringList texts{stored.host, stored.port, stored.user, stored.password, stored.domain};
    for (int i = 0; i < fields.size(); ++i) {
        const QSignalBlocker block(fields.at(i));
        fields.at(i)->setText(texts.at(i));
    }
    slotProxyServerTextChanged();
}

void ProxyPanel::updateFieldStates()
{
    const int type = m_type->currentIndex();
    for (QLineEdit *field : {m_server, m_port, m_user, m_password})
        field->setEnabled(hasFields(type));
    m_domain->setEnabled(type == ProxySettings::Http);
}

void ProxyPanel::slotProxyTypeChanged(int index)
{
    storeVisibleFields(m_shownType);
    m_shownType = index;
    fillFields(index);
    updateFieldStates();
    slotRecoverTip();
}

void ProxyPanel::slotTestProxy()
{
    m_testButton->setText(tr("Checking..."));
    m_tested = ProxySettings::forTest(m_type->currentIndex(), m_server->text(), m_port->text(), m_user->text(),
                                      m_password->text(), m_domain->text());
    m_network->checkHttp(m_tested, GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::Account,
                                                                              QStringLiteral("/test.htm")));
}

void ProxyPanel::slotCheckProxyFinished(int nCode)
{
    m_testButton->setText(tr("Check proxy settings"));
    if (nCode == 0) {
        m_result->setText(tr("Valid proxy."));
        m_result->setStyleSheet(QStringLiteral("color:green"));
    } else {
        m_result->setText(tr("Invalid proxy."));
        m_result->setStyleSheet(QStringLiteral("color:red"));
    }
    m_result->show();
}

void ProxyPanel::slotProxyServerTextChanged()
{
    m_testButton->setEnabled(!m_server->text().trimmed().isEmpty());
}

void ProxyPanel::slotRecoverTip()
{
    m_result->hide();
}
