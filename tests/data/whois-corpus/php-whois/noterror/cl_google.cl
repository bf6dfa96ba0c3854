google.cl:

ACE: google.cl (RFC-3490, RFC-3491, RFC-3492)

Google Inc.

Contacto Administrativo (Administrative Contact):
    Nombre      : MarkMonitor Inc.
    Organización: 

Contacto Técnico (Technical Contact):
    Nombre      : MarkMonitor Inc.
    Organización: 

Servidores de nombre (Domain servers):
    ns3.google.net
    ns4.google.net
    ns1.google.net
    ns2.google.net
    

Fecha de expiración (Expiration date): 2018-11-20 14:48:02 CLT

Agente Registrador (Registrar):
    MarkMonitor Inc.

Más información (More information):
    http://www.nic.cl/registry/Whois.do?d=google.cl

Este mensajes está impreso en ISO-8859-1
(This message is printed in ISO-8859-1)
