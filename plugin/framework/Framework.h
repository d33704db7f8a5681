// Everything of the plug-in framework that the plug-in's units build on.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Accumulator.h"
#include "plugin/framework/ListParamGeneratorC.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamEnabling.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/RefCountMixin.h"
#include "plugin/framework/RemoveReferencesTo.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/framework/TextBuffer.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/framework/VarNamedMixin.h"
