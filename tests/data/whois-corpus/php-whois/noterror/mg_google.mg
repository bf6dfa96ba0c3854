Domain Name: google.mg
Domain ID: 1915-nicmg
WHOIS Server: whois.nic.mg
Referral URL: 
Updated Date: 2017-11-14T20:02:59.344Z
Creation Date: 2009-06-18T08:38:20.671Z
Registry Expiry Date: 2018-11-26T21:00:00.0Z
Sponsoring Registrar: MarkMonitor Inc.
Sponsoring Registrar Abuse Phone: +1.2083895740
Sponsoring Registrar Abuse Email: ccops@markmonitor.com
Domain Status: clientTransferProhibited
Domain Status: clientDeleteProhibited
Domain Status: clientUpdateProhibited
Domain Status: clientRenewProhibited
Registrant Name: GOOGLE INC
Registrant Street: Street Migrate
Registrant City: Antananarivo
Registrant State/Province: Antananarivo
Registrant Postal Code: 101
Registrant Country: MG
Tech Name: Rafaralahisoa Emmanuel
Tech Street: Immeuble Galaxy
Tech Street: Andraharo
Tech City: Antananarivo
Tech State/Province: 
Tech Postal Code: 101
Tech Country: MG
Name Server: ns1.google.com
Name Server: ns2.google.com
Name Server: ns3.google.com
Name Server: ns4.google.com
DNSSEC: unsigned
Additional Section
Redemption Expiry Date:
>>> Last update of WHOIS database: 2017-11-18T21:07:21.272Z <<<

TERMS OF USE: You are not authorized to access or query our Whois
database through the use of electronic processes that are high-volume and
automated.  Whois database is provided by NIC-MG as a service to the internet
community on behalf of NIC-MG members. 

The data is for information purposes only. NIC-MG does not
guarantee its accuracy. By submitting a Whois query, you agree to abide
by the following terms of use: You agree that you may use this Data only
for lawful purposes and that under no circumstances will you use this Data
to: (1) allow, enable, or otherwise support the transmission of mass
unsolicited, commercial advertising or solicitations via e-mail, telephone,
or facsimile; or (2) enable high volume, automated, electronic processes
that apply to NIC-MG it's members (or NIC-MG or member computer systems). The
compilation, repackaging, dissemination or other use of this Data is
expressly prohibited.
