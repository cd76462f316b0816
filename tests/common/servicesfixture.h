#ifndef SERVICESFIXTURE_H
#define SERVICESFIXTURE_H

#include "localservices.h"

#include <QString>
#include <QTemporaryDir>

// What a suite that drives the program against the local services sets up
// once: the settings in a folder of its own with the first-run tutorial off,
// the sentence splitter ready, the services started with the service table
// pointed at them, and one account registered and signed in.
struct ServicesFixture
{
    QTemporaryDir home;
    LocalServices services;
    QString session;

    // Empty when all went well, otherwise what failed.
    QString setUp(const QString &email, const QString &password);
    // Before each case: the service table pointed here again and the account's
    // session key in use.
    void reset();
};

#endif
