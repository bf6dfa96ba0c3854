; This data is provided by DM REGISTRY for information purposes only in
; accordance with the DM REGISTRY TLD Privacy Policy. It is intended to
; assist persons to obtain information about or related to domain name
; registration records. DM REGISTRY does not guarantee its accuracy.
; By submitting this query, you agree to abide as follows:
;
; You agree to use this data only for lawful purposes and that under no
; circumstances will you permit this data to
; 1) allow, enable, or otherwise support the transmission of mass
;    unsolicited, commercial advertising or solicitations via e-mail,
;    telephone or fax (spam); nor
; 2) enable high volume, automated, electronic processes to the systems
;    of DM REGISTRY or Registrars, except as reasonably required to
;    register new domain names or modify existing registrations; nor
; 3) will you generate a database of registered domain names and
;    registrant data.
;
; These terms may be changed without prior notice.
; By submitting this query, you agree to abide by this policy.

domain name: GOOGLE.DM
registrar: MarkMonitor Inc.
url: www.markmonitor.com
status: ACTIVE
created date: 2004-08-23 23:00:00
updated date: 2017-06-19 14:34:16
expiration date: 2018-08-23 23:00:00

owner-contact: P-CQG21
owner-name: Company Google Inc.
owner-street: 1600 Amphitheatre Parkway
owner-city: Mountain View
owner-zip: 94043
owner-country: US

admin-contact: P-DNA22
admin-organization: Google Inc.
admin-name: DNS Admin
admin-street: 1600 Amphitheatre
admin-city: Mountain View
admin-zip: 94043
admin-country: US

tech-contact: P-DXA21
tech-organization: Google Inc.
tech-name: DNS Admin
tech-street: 1600 Amphitheatre
tech-city: Mountain View
tech-zip: 94043
tech-country: US

billing-contact: P-DXA21
billing-organization: Google Inc.
billing-name: DNS Admin
billing-street: 1600 Amphitheatre
billing-city: Mountain View
billing-zip: 94043
billing-country: US

nameserver: ns1.google.com
nameserver: ns2.google.com
nameserver: ns3.google.com
nameserver: ns4.google.com

; Please register your domains at; www.markmonitor.com

