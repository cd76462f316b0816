#ifndef SECRETSTORE_H
#define SECRETSTORE_H

#include <QString>

#include <optional>

// A place for secrets outside the settings files: the desktop's keyring.
// Every call blocks until the keyring answered (a few seconds at most).
class SecretStore
{
public:
    virtual ~SecretStore() = default;

    // False when there is no keyring to talk to; the settings files then
    // keep the secrets themselves.
    virtual bool isAvailable() = 0;
    // The stored secret, an empty string when there is none, nothing when
    // the keyring could not be read.
    virtual std::optional<QString> read(const QString &key) = 0;
    virtual bool write(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;

    // The system keyring (Secret Service through QtKeychain), or nullptr when
    // the program was built without it or QUILLET_KEYRING is "off".
    static SecretStore *system();
};

#endif
