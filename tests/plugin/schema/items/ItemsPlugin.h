// The plug-in loaded as the program loads it, and small helpers that address parameters
// by position, for the tests of the schema-level objects, indexes and triggers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/schema/PluginModel.h"

namespace items_test {

// Model parameter positions.
enum ModelPos {
    mpDataBase = 0,
    mpDataBaseFile = 1,
    mpUser = 2,
    mpPassword = 3,
    mpPageSize = 4,
    mpFileLength = 5,
    mpCharSet = 6,
    mpSecFiles = 7,
    mpShadow = 8,
    mpSetNumber = 9,
    mpMode = 10,
    mpConditional = 11,
    mpShadowFile = 12,
    mpShadowLength = 13,
    mpSecShadowFiles = 14,
    mpDomains = 15,
    mpGenerators = 16,
    mpExceptions = 17,
    mpRoles = 18,
    mpViews = 19,
    mpProcedures = 20,
    mpDrop = 21
};
// Table parameter positions.
enum TablePos { tpFile = 0, tpIndexes = 1, tpTriggers = 2, tpUnique = 3 };

using Plugin = SchemaTest::LoadedPlugin;

// One model of the loaded plug-in, destroyed through its virtual destructor.
class Model {
public:
    explicit Model(const Plugin& plugin)
        : model(plugin.Models() ? plugin.Models()->CreateModel(0) : nullptr) {}
    ~Model() { delete model; }
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;
    Morvik::TModel* operator->() const { return model; }
    Morvik::TModel* get() const { return model; }

private:
    Morvik::TModel* model;
};

inline Morvik::TListParam* List(Morvik::TParamObject* o, int pos) {
    return o->GetListParam(o->GetKindIndex(pos));
}
inline void Set(Morvik::TParamObject* o, int pos, const char* value) {
    o->SetParamValue(o->GetKindIndex(pos), value);
}
inline std::string Value(Morvik::TParamObject* o, int pos) {
    return o->GetParamValue(o->GetKindIndex(pos));
}

using Values = std::vector<std::pair<int, const char*>>;

// Appends an item to the list at a position and sets values at positions of the item.
inline Morvik::TParamObject* Add(Morvik::TParamObject* holder, int listPos, const Values& values = {}) {
    Morvik::TParamObject* item = List(holder, listPos)->AddItem();
    for (const auto& [pos, text] : values) Set(item, pos, text);
    return item;
}

inline std::string Text(Morvik::TParamObject* o) {
    const char* text = o->Generate();
    return text ? text : "<null>";
}
inline std::string Message(Morvik::TParamObject* o, int pos) {
    const char* text = o->Check(pos);
    return text ? text : "";
}

inline Morvik::TTable* NewTable(Morvik::TModel* model, const char* name) {
    Morvik::TTable* table = model->NewTable();
    table->SetName(name);
    return table;
}

}  // namespace items_test
