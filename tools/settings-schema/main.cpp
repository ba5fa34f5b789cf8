// Writes the JSON Schema of the settings as keylon2ctl's documents hold them, from the settings
// table: the keys (what "fields" lists) and the "settings" object (what read prints). The
// schema of each command refers to it, so a new setting needs no schema edited by hand.
//
//     keylon2-settings-schema FILE
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "core/settings/settings_table.h"

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: keylon2-settings-schema FILE\n");
        return 2;
    }
    QJsonArray keys;
    QJsonArray required{"Ver"};
    QJsonObject properties{{"Ver", QJsonObject{{"type", "string"}}}};
    for (const Settings::Setting &setting : Settings::all()) {
        const QString key = QLatin1String(setting.key);
        keys.append(key);
        QJsonObject value;
        if (setting.kind == Settings::Kind::Switch) {
            value.insert("enum", QJsonArray{0, 1});
        } else if (setting.kind == Settings::Kind::Affix) {
            value.insert("type", "string");
        } else {
            value.insert("type", "integer");
            value.insert("minimum", setting.low());
            value.insert("maximum", setting.high());
        }
        if (!setting.usbOnly)
            required.append(key);
        else
            value.insert("description", "absent when the reader did not tell it (serial interface)");
        properties.insert(key, value);
    }
    const QJsonObject schema{
        {"$schema", "https://json-schema.org/draft/2020-12/schema"},
        {"$id", "https://keylon2.invalid/schema/keylon2ctl-settings.schema.json"},
        {"title", "keylon2ctl's reader settings, as a configuration file holds them"},
        {"$defs",
         QJsonObject{
             {"key", QJsonObject{{"enum", keys}, {"description", "a configuration key, as in the [KEYLON] group"}}},
             {"settings", QJsonObject{{"type", "object"},
                                      {"description", "the settings as a configuration file holds them"},
                                      {"required", required},
                                      {"properties", properties},
                                      {"additionalProperties", false}}},
         }},
    };
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(schema).toJson()) < 0 || !out.flush()) {
        std::fprintf(stderr, "keylon2-settings-schema: %s: cannot write\n", argv[1]);
        return 1;
    }
    return 0;
}
