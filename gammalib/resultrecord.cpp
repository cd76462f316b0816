#include "resultrecord.h"

#include "errortype.h"

#include <json/json.h>

#include <memory>
#include <stdexcept>

namespace {

// A member of the wrong JSON type. The texts follow the JSON library's own.
struct WrongType : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

const Json::Value *member(const Json::Value &object, const char *name)
{
    const Json::Value *value = object.find(name, name + std::char_traits<char>::length(name));
    if (!value || value->isNull())
        return nullptr;
    return value;
}

qint32 readInt(const Json::Value &object, const char *name)
{
    const Json::Value *value = member(object, name);
    if (!value)
        return 0;
    if (!value->isInt())
        throw WrongType("Value is not convertible to Int.");
    return value->asInt();
}

double readDouble(const Json::Value &object, const char *name)
{
    const Json::Value *value = member(object, name);
    if (!value)
        return 0.0;
    if (!value->isNumeric())
        throw WrongType("Value is not convertible to double.");
    return value->asDouble();
}

QByteArray readString(const Json::Value &object, const char *name)
{
    const Json::Value *value = member(object, name);
    if (!value)
        return QByteArray();
    if (!value->isString())
        throw WrongType("Value is not convertible to string.");
    const char *begin = nullptr;
    const char *end = nullptr;
    value->getString(&begin, &end);
    return QByteArray(begin, int(end - begin));
}

const Json::Value *readArray(const Json::Value &object, const char *name)
{
    const Json::Value *value = member(object, name);
    if (value && !value->isArray())
        throw WrongType("Value is not an array.");
    return value;
}

void requireObject(const Json::Value &value)
{
    if (!value.isObject())
        throw WrongType("Value is not an object.");
}

CCandidate readCandidate(const Json::Value &object)
{
    requireObject(object);
    CCandidate candidate;
    candidate.correction = readString(object, "correction");
    candidate.score = readDouble(object, "score");
    candidate.originalScore = readDouble(object, "originalScore");
    candidate.candidateType = readString(object, "candidateType");
    candidate.editTypeCode();
    return candidate;
}

CCorrection readCorrection(const Json::Value &object)
{
    requireObject(object);
    CCorrection correction;
    correction.start = readInt(object, "start");
    correction.end = readInt(object, "end");
    correction.loc = readInt(object, "loc");
    correction.errorInfo = readString(object, "errorInfo");
    correction.explainType = readString(object, "explainType");
    correction.errorType = readString(object, "errorType");
    correction.errorTypeCode = errorTypeOf(correction.errorType);
    if (const Json::Value *keys = readArray(object, "featureKeys")) {
        for (const Json::Value &key : *keys) {
            if (!key.isString())
                throw WrongType("Value is not convertible to string.");
            const char *begin = nullptr;
            const char *end = nullptr;
            key.getString(&begin, &end);
            correction.featureKeys.append(QByteArray(begin, int(end - begin)));
        }
    }
    if (const Json::Value *candidates = readArray(object, "candidates")) {
        for (const Json::Value &candidate : *candidates)
            correction.candidates.append(readCandidate(candidate));
    }
    return correction;
}

} // namespace

std::optional<CResultState> parseResultRecord(const QByteArray &raw, QString *error)
{
    QByteArray text = raw;
    if (text.contains("\\u0027"))
        text.replace("\\u0027", "'");

    // A reader keeps parse state, so each thread has its own.
    thread_local const std::unique_ptr<Json::CharReader> reader = [] {
        Json::CharReaderBuilder builder;
        builder["collectComments"] = false;
        return std::unique_ptr<Json::CharReader>(builder.newCharReader());
    }();

    Json::Value root;
    std::string parseErrors;
    bool parsed = false;
    try {
        parsed = reader->parse(text.constData(), text.constData() + text.size(), &root, &parseErrors);
    } catch (const std::exception &) {
        // Nesting deeper than the reader's stack limit.
        parsed = false;
    }
    if (!parsed) {
        if (error)
            *error = QStringLiteral("Error: Cannot deserialize into CResultState objects.");
        return std::nullopt;
    }

    try {
        requireObject(root);
        CResultState state;
        state.sentInd = readInt(root, "sentInd");
        if (state.sentInd < 0) {
            state.lexicalScore = readDouble(root, "lexicalScore");
            state.syntaxScore = readDouble(root, "syntaxScore");
            return state;
        }
        if (const Json::Value *corrections = readArray(root, "corrections")) {
            for (const Json::Value &correction : *corrections)
                state.corrections.append(readCorrection(correction));
        }
        return state;
    } catch (const std::exception &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return std::nullopt;
    }
}
