#pragma once

// Namespace of the schema validation service.
#define PLUGIN_NAMESPACE vesk::divideVira::schemavalidierung
