# tests of app/
verlo_test(tst_listes tst_listes.cpp)
target_compile_definitions(tst_listes PRIVATE VERLO_DOSSIER_LISTES="${PROJECT_SOURCE_DIR}/assets")
verlo_test(tst_demarrage tst_demarrage.cpp)
