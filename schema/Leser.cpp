#include "schema/Leser.h"

#include <xercesc/sax2/XMLReaderFactory.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLUni.hpp>

namespace PLUGIN_NAMESPACE {

using namespace xercesc;

std::unique_ptr<SAX2XMLReader> erzeugeLeser(XMLGrammarPool* pool, EntityResolver& resolver,
                                            ErrorHandler& fehler) {
  // Only read by the readers: default limit of 50,000 entity expansions.
  static SecurityManager sicherheit;
  std::unique_ptr<SAX2XMLReader> reader(
      XMLReaderFactory::createXMLReader(XMLPlatformUtils::fgMemoryManager, pool));
  reader->setEntityResolver(&resolver);
  reader->setFeature(XMLUni::fgSAX2CoreValidation, true);
  reader->setFeature(XMLUni::fgXercesDynamic, false);
  // Also with a locked shared pool: the reader then refuses an internal DTD
  // subset instead of silently expanding its entities.
  reader->setFeature(XMLUni::fgXercesCacheGrammarFromParse, true);
  reader->setFeature(XMLUni::fgSAX2CoreNameSpaces, true);
  reader->setFeature(XMLUni::fgXercesSchema, true);
  reader->setFeature(XMLUni::fgXercesSchemaFullChecking, true);
  reader->setFeature(XMLUni::fgSAX2CoreNameSpacePrefixes, false);
  reader->setFeature(XMLUni::fgXercesUseCachedGrammarInParse, true);
  reader->setFeature(XMLUni::fgXercesLoadSchema, false);
  // What the resolver answers with null stays unresolved: the library would
  // otherwise open files and URLs itself.
  reader->setFeature(XMLUni::fgXercesDisableDefaultEntityResolution, true);
  reader->setProperty(XMLUni::fgXercesSecurityManager, &sicherheit);
  reader->setErrorHandler(&fehler);
  return reader;
}

}  // namespace PLUGIN_NAMESPACE
