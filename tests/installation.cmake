# The installed tree: installs the build into a fresh prefix, then runs the installed
# program's own check from there, as a user with an empty home would.
# Run by CTest with -DBUILD=<build folder> -DPREFIX=<scratch folder>.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE resultat OUTPUT_QUIET)
if(resultat)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(ID io.github.verlo.Verlo)
foreach(fichier bin/verlo share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml
                share/icons/hicolor/scalable/apps/${ID}.svg
                share/icons/hicolor/256x256/apps/${ID}.png)
  if(NOT EXISTS ${PREFIX}/${fichier})
    message(FATAL_ERROR "not installed: ${fichier}")
  endif()
endforeach()

set(MAISON ${PREFIX}/maison)
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${MAISON} XDG_DATA_HOME=${MAISON}/donnees
                        ${PREFIX}/bin/verlo --verifier-installation
                RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
message("${sortie}")
if(resultat)
  message(FATAL_ERROR "the installed program misses some of its files")
endif()
foreach(attendu "liste 3 : ${PREFIX}/share/verlo/5L-3.txt" "scores : ${MAISON}/donnees/verlo/"
                "son : ${PREFIX}/share/verlo/mouton.wav" "module de son : chargé")
  string(FIND "${sortie}" "${attendu}" trouve)
  if(trouve EQUAL -1)
    message(FATAL_ERROR "expected in the output: ${attendu}")
  endif()
endforeach()
