# tests of app/
verlo_test(tst_demarrage tst_demarrage.cpp)
target_compile_definitions(tst_demarrage PRIVATE
                           VERLO_DOSSIER_LISTES="${PROJECT_SOURCE_DIR}/assets")
