% By submitting a query to RIPN's Whois Service
% you agree to abide by the following terms of use:
% http://www.ripn.net/about/servpol.html#3.2 (in Russian) 
% http://www.ripn.net/about/en/servpol.html#3.2 (in English).

domain:        GOOGLE.RU
nserver:       ns1.google.net.
nserver:       ns2.google.net.
nserver:       ns3.google.net.
nserver:       ns4.google.net.
state:         REGISTERED, DELEGATED, VERIFIED
org:           Google Inc.
registrar:     RU-CENTER-RU
admin-contact: https://www.nic.ru/whois
created:       2004-03-03T21:00:00Z
paid-till:     2018-03-04T21:00:00Z
free-date:     2018-04-05
source:        TCI

Last updated on 2017-11-18T21:16:34Z

