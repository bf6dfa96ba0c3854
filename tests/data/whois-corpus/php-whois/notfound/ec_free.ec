

Los datos detallados a continuación por NIC.EC es información pública cuyo propósito es
únicamente informativo que sirve para la obtención de la información acerca de o
relacionado con los registros de un Nombre de Dominio. Los datos se muestran de acuerdo
a los datos de NIC.EC en la última actualización de su base de datos. Al realizar una
búsqueda de WHOIS de un dominio, usted declara y acepta que los datos serán utilizados
solo para fines legales y que no utilizara los datos para envíos masivos no solicitados
de correo electrónico o para publicidad o fines comerciales no solicitados.


Domain Information
Query: free.ec
Status: Not Registered




