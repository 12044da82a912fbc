-- Tables of the Verdalo database TORVO (SQL Server 2012 or later).
--
-- Create the database and its login once, as an administrator, before these files:
--   CREATE DATABASE TORVO COLLATE Chinese_Taiwan_Stroke_CI_AS;
--   GO
--   CREATE LOGIN MMIXJAHFZ WITH PASSWORD = N'IRINIAUHT', DEFAULT_DATABASE = TORVO, CHECK_POLICY = OFF;
--   GO
--   USE TORVO;
--   CREATE USER MMIXJAHFZ FOR LOGIN MMIXJAHFZ;
--   ALTER ROLE db_owner ADD MEMBER MMIXJAHFZ;
--   GO
-- The collation must be case-insensitive: the program compares codes and names without case.
-- Then run the files of this folder in name order against TORVO, as UTF-8:
--   sqlcmd -S <server> -d TORVO -f 65001 -i 01_tables.sql

CREATE TABLE SS_SystemSetting (
    ID int NOT NULL PRIMARY KEY,
    RoundLengthQty smallint,
    RoundLengthAmount smallint,
    FixedLengthCustomerID smallint,
    FixedLengthProductID smallint,
    FixedLengthSupplierID smallint
);

CREATE TABLE BC_MeasurementUnit (
    MeasurementUnitID int IDENTITY(1,1) PRIMARY KEY,
    MeasurementUnitName nvarchar(4),
    SortOrder int,
    RoundLength smallint,
    InActive bit NOT NULL DEFAULT 0,
    SystemWeightUnit bit NOT NULL DEFAULT 0,
    SystemDefaultUnit bit NOT NULL DEFAULT 0,
    UnitSeparateString nvarchar(1),
    IsUnitSeparate bit NOT NULL DEFAULT 0,
    Note nvarchar(4)
);

CREATE TABLE BC_ProductCategory (
    ProductCategoryID int IDENTITY(1,1) PRIMARY KEY,
    ProductCategoryName nvarchar(8),
    Note nvarchar(32),
    SortOrder int,
    InActive bit NOT NULL DEFAULT 0
);

CREATE TABLE BC_OrderItemNote (
    OrderItemNoteID int IDENTITY(1,1) PRIMARY KEY,
    OrderItemNote nvarchar(24),
    SortOrder int,
    InActiveInStock bit NOT NULL DEFAULT 0,
    InActiveOutOrder bit NOT NULL DEFAULT 0
);

CREATE TABLE SC_PaymentType (
    PaymentTypeID smallint NOT NULL PRIMARY KEY,
    PaymentTypeName nvarchar(8),
    SortOrder int
);

CREATE TABLE SC_MeasurementUnitTransform (
    FromUnitID int NOT NULL,
    ToUnitID int NOT NULL,
    TransformFactor decimal(28,12),
    PRIMARY KEY (FromUnitID, ToUnitID)
);

CREATE TABLE BF_SelfCompanyTitle (
    SelfCompanyID int IDENTITY(1,1) PRIMARY KEY,
    CompanyName nvarchar(12),
    CompanyVAT nvarchar(8),
    AddressCompany nvarchar(32),
    PhoneTel nvarchar(12),
    PhoneFax nvarchar(12),
    Note nvarchar(32),
    SystemDefault bit NOT NULL DEFAULT 0,
    InActive bit NOT NULL DEFAULT 0,
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE BF_Supplier (
    SupplierID nvarchar(12) NOT NULL PRIMARY KEY,
    SupplierName nvarchar(16),
    SupplierNameShort nvarchar(4),
    CompanyVAT nvarchar(8),
    NameCEO nvarchar(4),
    NameContact nvarchar(4),
    PhoneMobileCEO nvarchar(12),
    PhoneMobileContact nvarchar(12),
    Phone1 nvarchar(12),
    Phone2 nvarchar(12),
    PhoneFax nvarchar(12),
    AddressCompany nvarchar(32),
    AddressContact nvarchar(32),
    PaymentTypeID smallint,
    MeasurementUnitID int,
    SelfCompanyTitleID int,
    Note nvarchar(32),
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE BF_Customer (
    CustomerID nvarchar(12) NOT NULL PRIMARY KEY,
    CustomerName nvarchar(16),
    CustomerNameShort nvarchar(4),
    CompanyVAT nvarchar(8),
    InvoiceTitle nvarchar(16),
    NameCEO nvarchar(4),
    NameContact nvarchar(4),
    PhoneMobileCEO nvarchar(12),
    PhoneMobileContact nvarchar(12),
    Phone1 nvarchar(14),
    Phone2 nvarchar(14),
    PhoneFax nvarchar(14),
    AddressCompany nvarchar(48),
    AddressContact nvarchar(48),
    PaymentTypeID smallint,
    MeasurementUnitID int,
    SelfCompanyTitleID int,
    SortOrder int,
    InActive bit NOT NULL DEFAULT 0,
    Note nvarchar(48),
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE BF_Product (
    ProductID nvarchar(12) NOT NULL PRIMARY KEY,
    ProductName nvarchar(100),
    SupplierID nvarchar(12),
    Price decimal(18,6),
    Cost decimal(18,6),
    MeasurementUnitID int,
    ProductCategoryID int,
    IsLoadDefaultItem bit NOT NULL DEFAULT 0,
    SortOrder int,
    IsPrintBarCode bit NOT NULL DEFAULT 0,
    InActive bit DEFAULT 0,
    Note nvarchar(32),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE BF_User (
    IdUser nvarchar(16) NOT NULL PRIMARY KEY,
    NameUser nvarchar(4),
    PWD nvarchar(100),
    Note nvarchar(32),
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE SM_UserFormPermissionTree (
    IdUser nvarchar(16) NOT NULL,
    NodeKey nvarchar(20) NOT NULL,
    Checked bit NOT NULL DEFAULT 0,
    PRIMARY KEY (IdUser, NodeKey)
);

-- Documents: one head per document, its lines keyed by (OrderID, ItemNo).

CREATE TABLE OR_HeadCustomerQuote (
    OrderID nvarchar(20) NOT NULL PRIMARY KEY,
    OrderDate datetime,
    CustomerID nvarchar(12),
    Note nvarchar(32),
    Active bit NOT NULL DEFAULT 1,
    IdUserNullify nvarchar(16),
    TimeNullify datetime,
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE OR_DetailCustomerQuote (
    OrderID nvarchar(20) NOT NULL,
    ItemNo int NOT NULL,
    ProductID nvarchar(12),
    MeasurementUnitID int,
    Price decimal(18,6),
    PRIMARY KEY (OrderID, ItemNo)
);

CREATE TABLE OR_HeadCustomerOrder (
    OrderID nvarchar(20) NOT NULL PRIMARY KEY,
    OrderDate datetime,
    CustomerID nvarchar(12),
    IsCompleteOutOrder bit DEFAULT 0,
    OutOrderID nvarchar(20),
    Note nvarchar(32),
    Active bit NOT NULL DEFAULT 1,
    IdUserNullify nvarchar(16),
    TimeNullify datetime,
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE OR_DetailCustomerOrder (
    OrderID nvarchar(20) NOT NULL,
    ItemNo int NOT NULL,
    ProductID nvarchar(12),
    MeasurementUnitID int,
    Qty decimal(18,6),
    ColumnIndex int,
    RowIndex int,
    ItemActive bit NOT NULL DEFAULT 1,
    PRIMARY KEY (OrderID, ItemNo)
);

CREATE TABLE OR_HeadInStock (
    OrderID nvarchar(20) NOT NULL PRIMARY KEY,
    OrderDate datetime,
    SupplierID nvarchar(12),
    Note nvarchar(32),
    Active bit NOT NULL DEFAULT 1,
    IdUserNullify nvarchar(16),
    TimeNullify datetime,
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE OR_DetailInStock (
    OrderID nvarchar(20) NOT NULL,
    ItemNo int NOT NULL,
    ProductID nvarchar(12),
    MeasurementUnitID int,
    Cost decimal(18,6),
    Qty decimal(18,6),
    CurrentStockQty decimal(18,6),
    CurrentOrdQty decimal(18,6),
    OrderItemNoteID int,
    PRIMARY KEY (OrderID, ItemNo)
);

CREATE TABLE OR_HeadOutOrder (
    OrderID nvarchar(20) NOT NULL PRIMARY KEY,
    OrderDate datetime,
    CustomerID nvarchar(12),
    CustomerOrderID nvarchar(20),
    Note nvarchar(32),
    Active bit NOT NULL DEFAULT 1,
    IdUserNullify nvarchar(16),
    TimeNullify datetime,
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE OR_DetailOutOrder (
    OrderID nvarchar(20) NOT NULL,
    ItemNo int NOT NULL,
    ProductID nvarchar(12),
    MeasurementUnitID int,
    Price decimal(18,6),
    Qty decimal(18,6),
    CurrentOrdQty decimal(18,6),
    OrderItemNoteID int,
    PRIMARY KEY (OrderID, ItemNo)
);

CREATE TABLE OR_HeadStockTaking (
    OrderID nvarchar(20) NOT NULL PRIMARY KEY,
    OrderDate datetime,
    StockRoomID nvarchar(8),
    Note nvarchar(32),
    Active bit NOT NULL DEFAULT 1,
    IdUserNullify nvarchar(16),
    TimeNullify datetime,
    IdUserAddNew nvarchar(16),
    TimeModifyFirst datetime,
    IdUserModifyFirst nvarchar(16),
    TimeModifyLast datetime,
    IdUserModifyLast nvarchar(16)
);

CREATE TABLE OR_DetailStockTaking (
    OrderID nvarchar(20) NOT NULL,
    ItemNo int NOT NULL,
    ProductID nvarchar(12),
    MeasurementUnitID int,
    STQty decimal(18,6),
    ItemActive bit NOT NULL DEFAULT 1,
    ItemNote nvarchar(32),
    PRIMARY KEY (OrderID, ItemNo)
);

-- Detail keys start with OrderID, so lines of one document need no other index.
-- The included columns let stock sums read an index alone.
CREATE INDEX IX_OR_DetailCustomerQuote_ProductID ON OR_DetailCustomerQuote (ProductID);
CREATE INDEX IX_OR_DetailCustomerOrder_ProductID ON OR_DetailCustomerOrder (ProductID);
CREATE INDEX IX_OR_DetailInStock_ProductID ON OR_DetailInStock (ProductID)
    INCLUDE (MeasurementUnitID, Qty);
CREATE INDEX IX_OR_DetailOutOrder_ProductID ON OR_DetailOutOrder (ProductID)
    INCLUDE (MeasurementUnitID, Qty);
CREATE INDEX IX_OR_DetailStockTaking_ProductID ON OR_DetailStockTaking (ProductID)
    INCLUDE (MeasurementUnitID, STQty, ItemActive);

CREATE INDEX IX_OR_HeadCustomerQuote_CustomerID_OrderDate ON OR_HeadCustomerQuote (CustomerID, OrderDate);
CREATE INDEX IX_OR_HeadCustomerQuote_OrderDate ON OR_HeadCustomerQuote (OrderDate);
CREATE INDEX IX_OR_HeadCustomerOrder_CustomerID_OrderDate ON OR_HeadCustomerOrder (CustomerID, OrderDate);
CREATE INDEX IX_OR_HeadCustomerOrder_OrderDate ON OR_HeadCustomerOrder (OrderDate);
-- A delivery gives its order back by this number when it is nullified.
CREATE INDEX IX_OR_HeadCustomerOrder_OutOrderID ON OR_HeadCustomerOrder (OutOrderID);
-- Open orders are few among many taken over; views of open orders start here.
CREATE INDEX IX_OR_HeadCustomerOrder_IsCompleteOutOrder ON OR_HeadCustomerOrder (IsCompleteOutOrder);
CREATE INDEX IX_OR_HeadInStock_SupplierID_OrderDate ON OR_HeadInStock (SupplierID, OrderDate);
CREATE INDEX IX_OR_HeadInStock_OrderDate ON OR_HeadInStock (OrderDate);
CREATE INDEX IX_OR_HeadOutOrder_CustomerID_OrderDate ON OR_HeadOutOrder (CustomerID, OrderDate);
CREATE INDEX IX_OR_HeadOutOrder_OrderDate ON OR_HeadOutOrder (OrderDate);
CREATE INDEX IX_OR_HeadStockTaking_OrderDate ON OR_HeadStockTaking (OrderDate);

CREATE INDEX IX_BF_Product_SupplierID ON BF_Product (SupplierID);
GO
