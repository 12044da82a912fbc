-- Tables of the Verdalo database (SQLite).
-- Every text column is NOCASE so codes and names compare without regard to case.
-- Date-times are stored as text 'yyyy-MM-dd HH:mm:ss'.

CREATE TABLE SS_SystemSetting (
    ID INTEGER NOT NULL PRIMARY KEY,
    RoundLengthQty SMALLINT,
    RoundLengthAmount SMALLINT,
    FixedLengthCustomerID SMALLINT,
    FixedLengthProductID SMALLINT,
    FixedLengthSupplierID SMALLINT
);

CREATE TABLE BC_MeasurementUnit (
    MeasurementUnitID INTEGER PRIMARY KEY AUTOINCREMENT,
    MeasurementUnitName NVARCHAR(4) COLLATE NOCASE,
    SortOrder INTEGER,
    RoundLength SMALLINT,
    InActive BIT NOT NULL DEFAULT 0,
    SystemWeightUnit BIT NOT NULL DEFAULT 0,
    SystemDefaultUnit BIT NOT NULL DEFAULT 0,
    UnitSeparateString NVARCHAR(1) COLLATE NOCASE,
    IsUnitSeparate BIT NOT NULL DEFAULT 0,
    Note NVARCHAR(4) COLLATE NOCASE
);

CREATE TABLE BC_ProductCategory (
    ProductCategoryID INTEGER PRIMARY KEY AUTOINCREMENT,
    ProductCategoryName NVARCHAR(8) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    SortOrder INTEGER,
    InActive BIT NOT NULL DEFAULT 0
);

CREATE TABLE BC_OrderItemNote (
    OrderItemNoteID INTEGER PRIMARY KEY AUTOINCREMENT,
    OrderItemNote NVARCHAR(24) COLLATE NOCASE,
    SortOrder INTEGER,
    InActiveInStock BIT NOT NULL DEFAULT 0,
    InActiveOutOrder BIT NOT NULL DEFAULT 0
);

CREATE TABLE SC_PaymentType (
    PaymentTypeID SMALLINT NOT NULL PRIMARY KEY,
    PaymentTypeName NVARCHAR(8) COLLATE NOCASE,
    SortOrder INTEGER
);

CREATE TABLE SC_MeasurementUnitTransform (
    FromUnitID INTEGER NOT NULL,
    ToUnitID INTEGER NOT NULL,
    TransformFactor DECIMAL(28,12),
    PRIMARY KEY (FromUnitID, ToUnitID)
);

CREATE TABLE BF_SelfCompanyTitle (
    SelfCompanyID INTEGER PRIMARY KEY AUTOINCREMENT,
    CompanyName NVARCHAR(12) COLLATE NOCASE,
    CompanyVAT NVARCHAR(8) COLLATE NOCASE,
    AddressCompany NVARCHAR(32) COLLATE NOCASE,
    PhoneTel NVARCHAR(12) COLLATE NOCASE,
    PhoneFax NVARCHAR(12) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    SystemDefault BIT NOT NULL DEFAULT 0,
    InActive BIT NOT NULL DEFAULT 0,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE TABLE BF_Supplier (
    SupplierID NVARCHAR(12) COLLATE NOCASE NOT NULL PRIMARY KEY,
    SupplierName NVARCHAR(16) COLLATE NOCASE,
    SupplierNameShort NVARCHAR(4) COLLATE NOCASE,
    CompanyVAT NVARCHAR(8) COLLATE NOCASE,
    NameCEO NVARCHAR(4) COLLATE NOCASE,
    NameContact NVARCHAR(4) COLLATE NOCASE,
    PhoneMobileCEO NVARCHAR(12) COLLATE NOCASE,
    PhoneMobileContact NVARCHAR(12) COLLATE NOCASE,
    Phone1 NVARCHAR(12) COLLATE NOCASE,
    Phone2 NVARCHAR(12) COLLATE NOCASE,
    PhoneFax NVARCHAR(12) COLLATE NOCASE,
    AddressCompany NVARCHAR(32) COLLATE NOCASE,
    AddressContact NVARCHAR(32) COLLATE NOCASE,
    PaymentTypeID SMALLINT,
    MeasurementUnitID INTEGER,
    SelfCompanyTitleID INTEGER,
    Note NVARCHAR(32) COLLATE NOCASE,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE TABLE BF_Customer (
    CustomerID NVARCHAR(12) COLLATE NOCASE NOT NULL PRIMARY KEY,
    CustomerName NVARCHAR(16) COLLATE NOCASE,
    CustomerNameShort NVARCHAR(4) COLLATE NOCASE,
    CompanyVAT NVARCHAR(8) COLLATE NOCASE,
    InvoiceTitle NVARCHAR(16) COLLATE NOCASE,
    NameCEO NVARCHAR(4) COLLATE NOCASE,
    NameContact NVARCHAR(4) COLLATE NOCASE,
    PhoneMobileCEO NVARCHAR(12) COLLATE NOCASE,
    PhoneMobileContact NVARCHAR(12) COLLATE NOCASE,
    Phone1 NVARCHAR(14) COLLATE NOCASE,
    Phone2 NVARCHAR(14) COLLATE NOCASE,
    PhoneFax NVARCHAR(14) COLLATE NOCASE,
    AddressCompany NVARCHAR(48) COLLATE NOCASE,
    AddressContact NVARCHAR(48) COLLATE NOCASE,
    PaymentTypeID SMALLINT,
    MeasurementUnitID INTEGER,
    SelfCompanyTitleID INTEGER,
    SortOrder INTEGER,
    InActive BIT NOT NULL DEFAULT 0,
    Note NVARCHAR(48) COLLATE NOCASE,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE TABLE BF_Product (
    ProductID NVARCHAR(12) COLLATE NOCASE NOT NULL PRIMARY KEY,
    ProductName NVARCHAR(100) COLLATE NOCASE,
    SupplierID NVARCHAR(12) COLLATE NOCASE,
    Price DECIMAL(18,6),
    Cost DECIMAL(18,6),
    MeasurementUnitID INTEGER,
    ProductCategoryID INTEGER,
    IsLoadDefaultItem BIT NOT NULL DEFAULT 0,
    SortOrder INTEGER,
    IsPrintBarCode BIT NOT NULL DEFAULT 0,
    InActive BIT DEFAULT 0,
    Note NVARCHAR(32) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE INDEX IX_BF_Product_SupplierID ON BF_Product (SupplierID);

CREATE TABLE BF_User (
    IdUser NVARCHAR(16) COLLATE NOCASE NOT NULL PRIMARY KEY,
    NameUser NVARCHAR(4) COLLATE NOCASE,
    PWD NVARCHAR(100) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE TABLE SM_UserFormPermissionTree (
    IdUser NVARCHAR(16) COLLATE NOCASE NOT NULL,
    NodeKey NVARCHAR(20) COLLATE NOCASE NOT NULL,
    Checked BIT NOT NULL DEFAULT 0,
    PRIMARY KEY (IdUser, NodeKey)
);

-- Documents: one head per document, its lines keyed by (OrderID, ItemNo).

CREATE TABLE OR_HeadCustomerQuote (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    OrderDate DATETIME,
    CustomerID NVARCHAR(12) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    Active BIT NOT NULL DEFAULT 1,
    IdUserNullify NVARCHAR(16) COLLATE NOCASE,
    TimeNullify DATETIME,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE INDEX IX_OR_HeadCustomerQuote_CustomerID_OrderDate ON OR_HeadCustomerQuote (CustomerID, OrderDate);
CREATE INDEX IX_OR_HeadCustomerQuote_OrderDate ON OR_HeadCustomerQuote (OrderDate);

CREATE TABLE OR_DetailCustomerQuote (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL,
    ItemNo INTEGER NOT NULL,
    ProductID NVARCHAR(12) COLLATE NOCASE,
    MeasurementUnitID INTEGER,
    Price DECIMAL(18,6),
    PRIMARY KEY (OrderID, ItemNo)
);

CREATE INDEX IX_OR_DetailCustomerQuote_ProductID ON OR_DetailCustomerQuote (ProductID);

CREATE TABLE OR_HeadCustomerOrder (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    OrderDate DATETIME,
    CustomerID NVARCHAR(12) COLLATE NOCASE,
    IsCompleteOutOrder BIT DEFAULT 0,
    OutOrderID NVARCHAR(20) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    Active BIT NOT NULL DEFAULT 1,
    IdUserNullify NVARCHAR(16) COLLATE NOCASE,
    TimeNullify DATETIME,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE INDEX IX_OR_HeadCustomerOrder_CustomerID_OrderDate ON OR_HeadCustomerOrder (CustomerID, OrderDate);
CREATE INDEX IX_OR_HeadCustomerOrder_OrderDate ON OR_HeadCustomerOrder (OrderDate);
-- A delivery gives its order back by this number when it is nullified.
CREATE INDEX IX_OR_HeadCustomerOrder_OutOrderID ON OR_HeadCustomerOrder (OutOrderID);
-- Open orders are few among many taken over; views of open orders start here.
CREATE INDEX IX_OR_HeadCustomerOrder_IsCompleteOutOrder ON OR_HeadCustomerOrder (IsCompleteOutOrder);

CREATE TABLE OR_DetailCustomerOrder (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL,
    ItemNo INTEGER NOT NULL,
    ProductID NVARCHAR(12) COLLATE NOCASE,
    MeasurementUnitID INTEGER,
    Qty DECIMAL(18,6),
    ColumnIndex INTEGER,
    RowIndex INTEGER,
    ItemActive BIT NOT NULL DEFAULT 1,
    PRIMARY KEY (OrderID, ItemNo)
);

CREATE INDEX IX_OR_DetailCustomerOrder_ProductID ON OR_DetailCustomerOrder (ProductID);

CREATE TABLE OR_HeadInStock (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    OrderDate DATETIME,
    SupplierID NVARCHAR(12) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    Active BIT NOT NULL DEFAULT 1,
    IdUserNullify NVARCHAR(16) COLLATE NOCASE,
    TimeNullify DATETIME,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE INDEX IX_OR_HeadInStock_SupplierID_OrderDate ON OR_HeadInStock (SupplierID, OrderDate);
CREATE INDEX IX_OR_HeadInStock_OrderDate ON OR_HeadInStock (OrderDate);
-- Lets stock sums test Active without reading the head rows.
CREATE INDEX IX_OR_HeadInStock_OrderID_Active ON OR_HeadInStock (OrderID, Active);

CREATE TABLE OR_DetailInStock (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL,
    ItemNo INTEGER NOT NULL,
    ProductID NVARCHAR(12) COLLATE NOCASE,
    MeasurementUnitID INTEGER,
    Cost DECIMAL(18,6),
    Qty DECIMAL(18,6),
    CurrentStockQty DECIMAL(18,6),
    CurrentOrdQty DECIMAL(18,6),
    OrderItemNoteID INTEGER,
    PRIMARY KEY (OrderID, ItemNo)
);

-- A product's lines (reports, the product's document guard) are found by this index.
CREATE INDEX IX_OR_DetailInStock_ProductID_MeasurementUnitID_Qty_OrderID
    ON OR_DetailInStock (ProductID, MeasurementUnitID, Qty, OrderID);

CREATE TABLE OR_HeadOutOrder (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    OrderDate DATETIME,
    CustomerID NVARCHAR(12) COLLATE NOCASE,
    CustomerOrderID NVARCHAR(20) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    Active BIT NOT NULL DEFAULT 1,
    IdUserNullify NVARCHAR(16) COLLATE NOCASE,
    TimeNullify DATETIME,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE INDEX IX_OR_HeadOutOrder_CustomerID_OrderDate ON OR_HeadOutOrder (CustomerID, OrderDate);
CREATE INDEX IX_OR_HeadOutOrder_OrderDate ON OR_HeadOutOrder (OrderDate);
-- Lets stock sums test Active without reading the head rows.
CREATE INDEX IX_OR_HeadOutOrder_OrderID_Active ON OR_HeadOutOrder (OrderID, Active);

CREATE TABLE OR_DetailOutOrder (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL,
    ItemNo INTEGER NOT NULL,
    ProductID NVARCHAR(12) COLLATE NOCASE,
    MeasurementUnitID INTEGER,
    Price DECIMAL(18,6),
    Qty DECIMAL(18,6),
    CurrentOrdQty DECIMAL(18,6),
    OrderItemNoteID INTEGER,
    PRIMARY KEY (OrderID, ItemNo)
);

-- A product's lines (reports, the product's document guard) are found by this index.
CREATE INDEX IX_OR_DetailOutOrder_ProductID_MeasurementUnitID_Qty_OrderID
    ON OR_DetailOutOrder (ProductID, MeasurementUnitID, Qty, OrderID);

CREATE TABLE OR_HeadStockTaking (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    OrderDate DATETIME,
    StockRoomID NVARCHAR(8) COLLATE NOCASE,
    Note NVARCHAR(32) COLLATE NOCASE,
    Active BIT NOT NULL DEFAULT 1,
    IdUserNullify NVARCHAR(16) COLLATE NOCASE,
    TimeNullify DATETIME,
    IdUserAddNew NVARCHAR(16) COLLATE NOCASE,
    TimeModifyFirst DATETIME,
    IdUserModifyFirst NVARCHAR(16) COLLATE NOCASE,
    TimeModifyLast DATETIME,
    IdUserModifyLast NVARCHAR(16) COLLATE NOCASE
);

CREATE INDEX IX_OR_HeadStockTaking_OrderDate ON OR_HeadStockTaking (OrderDate);
-- Lets stock sums test Active without reading the head rows.
CREATE INDEX IX_OR_HeadStockTaking_OrderID_Active ON OR_HeadStockTaking (OrderID, Active);

CREATE TABLE OR_DetailStockTaking (
    OrderID NVARCHAR(20) COLLATE NOCASE NOT NULL,
    ItemNo INTEGER NOT NULL,
    ProductID NVARCHAR(12) COLLATE NOCASE,
    MeasurementUnitID INTEGER,
    STQty DECIMAL(18,6),
    ItemActive BIT NOT NULL DEFAULT 1,
    ItemNote NVARCHAR(32) COLLATE NOCASE,
    PRIMARY KEY (OrderID, ItemNo)
);

-- A product's lines (reports, the product's document guard) are found by this index.
CREATE INDEX IX_OR_DetailStockTaking_ProductID_MeasurementUnitID_STQty_ItemActive_OrderID
    ON OR_DetailStockTaking (ProductID, MeasurementUnitID, STQty, ItemActive, OrderID);
