#pragma once

#include <cstddef>
#include <string>

#include "core/category_tables.h"
#include "core/ponor.h"
#include "core/ponor_txt.h"
#include "interchange/uddf_catalogue.h"
#include "interchange/uddf_writer.h"

namespace zirdan {

// The parts of a UDDF document.

// The XML declaration, the root's start and what comes before the dives: the generator,
// the owner with the suits worn, the buddies, the dive sites and the gas mixes. Written in
// pieces: a logbook of distinct sites has tens of thousands of them.
void WriteUddfHead(const UddfOutput& output, const UddfCatalogue& catalogue, const UddfTexts& texts,
                   const TCategoryTables& tables);

// Appends one dive element; `position` counts the dives written from 1 and makes the dive's id.
void AppendUddfDive(std::string& out, const ponor& dive, const ponorTxt& view, std::size_t position,
                    const UddfCatalogue& catalogue, const UddfTexts& texts,
                    const TCategoryTables& tables);

}  // namespace zirdan
