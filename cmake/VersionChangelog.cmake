# The version and the date of the top entry of debian/changelog:
#   verlo (1.4) unstable; urgency=medium
#    -- Name <address>  Tue, 08 Dec 2026 12:00:00 +0000
# give VERLO_VERSION_CHANGELOG (1.4) and VERLO_DATE_VERSION (2026-12-08). Included before
# project(), so it needs no project variable.
function(verlo_lire_changelog changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
  file(STRINGS ${changelog} entete ENCODING UTF-8 LIMIT_COUNT 1 REGEX "^[a-z0-9.+-]+ \\(")
  if(NOT entete MATCHES "^[a-z0-9.+-]+ \\(([0-9]+(\\.[0-9]+)*)\\)")
    message(FATAL_ERROR "${changelog}: no version such as 1.4 in the first entry")
  endif()
  set(VERLO_VERSION_CHANGELOG ${CMAKE_MATCH_1} PARENT_SCOPE)

  file(STRINGS ${changelog} signature ENCODING UTF-8 LIMIT_COUNT 1 REGEX "^ -- ")
  set(noms_mois Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  if(signature MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    list(FIND noms_mois ${CMAKE_MATCH_2} mois)
  endif()
  if(NOT DEFINED mois OR mois EQUAL -1)
    message(FATAL_ERROR "${changelog}: no date such as 'Tue, 08 Dec 2026' in the first entry")
  endif()
  math(EXPR mois "${mois} + 1")
  if(mois LESS 10)
    set(mois 0${mois})
  endif()
  set(VERLO_DATE_VERSION ${CMAKE_MATCH_3}-${mois}-${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

verlo_lire_changelog(${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
