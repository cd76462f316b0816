#include "usercorrectionrecord.h"

#include <json/json.h>

#include <memory>
#include <sstream>

namespace GammaLib {

QByteArray correctionRecordsJson(const QList<UserCorrectionRecord> &records)
{
    Json::Value array(Json::arrayValue);
    for (const UserCorrectionRecord &record : records) {
        Json::Value object(Json::objectValue);
        object["sentence"] = record.sentence.toStdString();
        object["word"] = record.word.toStdString();
        object["wordIdx"] = record.wordIdx;
        object["wordLength"] = record.wordLength;
        object["correctionList"] = record.correctionList.toStdString();
        object["choose"] = record.choose;
        object["type"] = record.type;
        array.append(object);
    }
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    const std::string text = Json::writeString(builder, array);
    return QByteArray::fromStdString(text);
}

} // namespace GammaLib
