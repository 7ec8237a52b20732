#pragma once

#include "taxnumber/SteuernummerTabellen.h"
#include "veskplugin2/IVeskFormatierung.h"
#include "veskplugin2/IVeskPruefziffernverfahrenDefinition.h"

namespace vesk::divideVira::fadat {

// New notation of a Land for the host, owned by the caller; throws BundeslandExistiertNicht.
plugin2::iface::IVeskFormatierung* erzeugeFormatierung(int landNummer);

// New check-digit method definition for the host, owned by the caller; throws
// BundeslandExistiertNicht or BufanummerExistiertNicht.
plugin2::iface::IVeskPruefziffernverfahrenDefinition* erzeugePruefziffernverfahrenDefinition(
    int landNummer, int buFaNummer, int bezirk);

// The same with the weights given; throws BundeslandExistiertNicht.
plugin2::iface::IVeskPruefziffernverfahrenDefinition* erzeugePruefziffernverfahrenDefinition(
    int landNummer, const Stellenwerte& faktoren);

}  // namespace vesk::divideVira::fadat
