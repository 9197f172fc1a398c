# The installed tree, twice: a plain `cmake --install --prefix` into a fresh folder, and an
# install at the configured prefix under DESTDIR, as a package is made (debian/rules puts
# the program in games/: the package's build runs this test on that layout). Each time the
# files are checked at their places, the menu entry must start the installed program by its
# full path, and the installed program's own check must find everything, run as a user
# with an empty home would.
# Run by CTest with -DBUILD=<build folder> -DSCRATCH=<scratch folder> -DPREFIXE=<configured
# prefix> -DBINDIR= -DLIBDIR= -DDATADIR= -DMANDIR= (the build's GNUInstallDirs) -DID=<id>.
file(REMOVE_RECURSE ${SCRATCH})

# Checks the tree under `racine` of an install whose prefix is `prefixe`.
function(verifier_arbre racine prefixe)
  foreach(fichier ${BINDIR}/verlo ${LIBDIR}/verlo/libverlo_son.so ${DATADIR}/verlo/5L-1.txt
                  ${DATADIR}/metainfo/${ID}.metainfo.xml
                  ${DATADIR}/icons/hicolor/scalable/apps/${ID}.svg
                  ${DATADIR}/icons/hicolor/256x256/apps/${ID}.png
                  ${MANDIR}/man6/verlo.6 ${MANDIR}/fr/man6/verlo.6)
    if(NOT EXISTS ${racine}/${fichier})
      message(FATAL_ERROR "not installed: ${racine}/${fichier}")
    endif()
  endforeach()
  if(NOT BINDIR STREQUAL "bin" AND EXISTS ${racine}/bin/verlo)
    message(FATAL_ERROR "the program is in bin/ as well as in ${BINDIR}/")
  endif()

  file(STRINGS ${racine}/${DATADIR}/applications/${ID}.desktop commande REGEX "^Exec=")
  if(NOT commande STREQUAL "Exec=${prefixe}/${BINDIR}/verlo")
    message(FATAL_ERROR "the menu entry says ${commande}, not Exec=${prefixe}/${BINDIR}/verlo")
  endif()

  set(maison ${racine}/maison)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${maison} XDG_DATA_HOME=${maison}/donnees
                          XDG_CONFIG_HOME=${maison}/config ${racine}/${BINDIR}/verlo
                          --verifier-installation
                  RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
  message("${racine}/${BINDIR}/verlo --verifier-installation:\n${sortie}")
  if(resultat)
    message(FATAL_ERROR "the installed program misses some of its files")
  endif()
  foreach(attendu "liste 3 : ${racine}/${DATADIR}/verlo/5L-3.txt"
                  "scores : ${maison}/donnees/verlo/" "son : ${racine}/${DATADIR}/verlo/mouton.wav"
                  "module de son : chargé")
    string(FIND "${sortie}" "${attendu}" trouve)
    if(trouve EQUAL -1)
      message(FATAL_ERROR "expected in the output: ${attendu}")
    endif()
  endforeach()
endfunction()

set(simple ${SCRATCH}/simple)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${simple}
                RESULT_VARIABLE resultat OUTPUT_QUIET)
if(resultat)
  message(FATAL_ERROR "cmake --install --prefix ${simple} failed")
endif()
verifier_arbre(${simple} ${simple})

set(destdir ${SCRATCH}/destdir)
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${destdir}
                        ${CMAKE_COMMAND} --install ${BUILD}
                RESULT_VARIABLE resultat OUTPUT_QUIET)
if(resultat)
  message(FATAL_ERROR "DESTDIR=${destdir} cmake --install failed")
endif()
verifier_arbre(${destdir}${PREFIXE} ${PREFIXE})
