# tests of game/
verlo_test(tst_marquage tst_marquage.cpp)
verlo_test_fenetres(tst_form1 tst_form1.cpp)
verlo_test_fenetres(tst_jeu tst_jeu.cpp)
verlo_test_fenetres(tst_accessibilite tst_accessibilite.cpp)
verlo_test_fenetres(tst_robustesse_saisie tst_robustesse_saisie.cpp)
