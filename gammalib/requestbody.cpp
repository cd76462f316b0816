#include "requestbody.h"

#include "sentencechunk.h"
#include "titlechunk.h"

#include <json/json.h>

#include <zlib.h>

#include <memory>

namespace {

Json::Value string(const QByteArray &bytes)
{
    return Json::Value(bytes.constData(), bytes.constData() + bytes.size());
}

Json::Value configList(const GammaLib::TextChunk &chunk)
{
    QList<QByteArray> configs;
    chunk.getConfigs(configs);
    Json::Value list(Json::arrayValue);
    for (const QByteArray &entry : std::as_const(configs))
        list.append(string(entry));
    return list;
}

} // namespace

QByteArray requestJson(const CCheckRequest &request)
{
    Json::Value root(Json::objectValue);
    root["session"] = string(request.session);
    // "sents" and "configs" come into being with their first element: a
    // request without chunks has neither.
    for (const QByteArray &sentence : request.sents)
        root["sents"].append(string(sentence));
    for (qint32 config : request.configs)
        root["configs"].append(Json::Value(config));

    GammaLib::SentenceChunk sentence;
    sentence.setConfidence(request.confidence);
    GammaLib::TitleChunk title;
    title.setConfidence(request.confidence);
    Json::Value configTypes(Json::arrayValue);
    configTypes.append(configList(sentence));
    configTypes.append(configList(title));
    root["configTypes"] = configTypes;

    root["clientVersion"] = string(request.clientVersion);
    root["lexsubConfidence"] = Json::Value(request.lexsubConfidence);

    // Compact, UTF-8 as it is. Object members are kept in ascending byte
    // order of their names by the value model itself.
    thread_local const std::unique_ptr<Json::StreamWriter> writer = [] {
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "";
        builder["emitUTF8"] = true;
        return std::unique_ptr<Json::StreamWriter>(builder.newStreamWriter());
    }();
    std::ostringstream out;
    writer->write(root, &out);
    out << '\n';
    const std::string text = out.str();
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray buildRequestBody(const CCheckRequest &request)
{
    const QByteArray text = requestJson(request);
    uLongf size = compressBound(uLong(text.size()));
    QByteArray body(qsizetype(size), Qt::Uninitialized);
    if (compress(reinterpret_cast<Bytef *>(body.data()), &size,
                 reinterpret_cast<const Bytef *>(text.constData()), uLong(text.size())) != Z_OK)
        return QByteArray();
    body.truncate(qsizetype(size));
    return body;
}
